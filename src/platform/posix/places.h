#pragma once

#include <filesystem>

namespace talvora {

// The settings store of a Linux user: $XDG_CONFIG_HOME/talvora/settings.reg,
// with ~/.config standing in for an unset XDG_CONFIG_HOME.
std::filesystem::path DefaultSettingsStorePath();

}  // namespace talvora
