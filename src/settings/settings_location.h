#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace talvora {

// Where the settings live: machine-wide under HKEY_LOCAL_MACHINE at this key.
inline constexpr std::string_view kSettingsKey = "SOFTWARE\\Talvora\\Talvora Saver";

// Current Windows refuses HKEY_LOCAL_MACHINE writes to a user who is not an
// administrator. Such a user's values go to the same key under
// HKEY_CURRENT_USER instead, and reading prefers that per-user copy. A
// successful machine-wide write removes the per-user copy of the value, so
// that an old per-user value never shadows a later machine-wide save.

// Reads one setting as text, as GetKeyValue does; true when read.
bool ReadSettingValue(Registry& registry, std::string_view name, std::string& text);

// Writes one setting as text, as SetKeyValue does; true when written, in
// either place.
bool WriteSettingValue(Registry& registry, std::string_view name, std::string_view text);

}  // namespace talvora
