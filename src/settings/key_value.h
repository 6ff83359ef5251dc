#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace talvora {

// Reads one registry value as text (UTF-8). True when the value was read:
// a REG_SZ gives its text, a REG_DWORD the "&h" form of its bytes, and any
// other type leaves keyVal as the caller passed it. On false keyVal is "".
bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal);

// Writes one text as REG_SZ in the ANSI code page, one byte a character and
// no terminating NUL; an empty text is written as " ". True when written.
bool SetKeyValue(Registry& registry, RegistryRoot keyRoot, std::string_view keyName,
                 std::string_view valueName, std::string_view text);

}  // namespace talvora
