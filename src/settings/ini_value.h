#pragma once

#include <string>
#include <string_view>

#include "platform/profile.h"

namespace talvora {

// Reads one value of an INI file as UTF-8 text: the value of key in section,
// at most 254 characters, or defaultText when the file, section or key is
// missing; "" when nothing is copied. Texts and the path are UTF-8. The file is
// taken to be in the ANSI code page unless it is valid UTF-8 holding some
// non-ASCII byte, so a name like "3º Lugar" matches however the file was saved.
std::string GetIniValue(const ProfileService& profile, std::string_view section,
                        std::string_view key, std::string_view defaultText,
                        const std::string& file);

}  // namespace talvora
