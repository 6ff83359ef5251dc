#pragma once

#include <filesystem>

namespace talvora {

// The settings store of a Linux user: $XDG_CONFIG_HOME/talvora/settings.reg,
// with ~/.config standing in for an unset XDG_CONFIG_HOME.
std::filesystem::path DefaultSettingsStorePath();

// The folder that stands for drive C: $XDG_DATA_HOME/talvora/drive_c, with
// ~/.local/share standing in for an unset XDG_DATA_HOME.
std::filesystem::path DefaultDriveCPath();

// The folder of the running program's file, or "." when it cannot be told.
std::filesystem::path ProgramFolder();

}  // namespace talvora
