#include "platform/posix/places.h"

#include <cstdlib>

namespace talvora {
namespace {

// An XDG base folder: the variable when it holds an absolute path (an empty
// or relative one is invalid and ignored), else the fallback under HOME.
std::filesystem::path BaseFolder(const char* variable, const char* underHome) {
  if (const char* xdg = std::getenv(variable); xdg != nullptr) {
    const std::filesystem::path path(xdg);
    if (path.is_absolute()) return path;
  }
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : ".") / underHome;
}

}  // namespace

std::filesystem::path DefaultSettingsStorePath() {
  return BaseFolder("XDG_CONFIG_HOME", ".config") / "talvora" / "settings.reg";
}

std::filesystem::path DefaultDriveCPath() {
  return BaseFolder("XDG_DATA_HOME", ".local/share") / "talvora" / "drive_c";
}

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path(".") : program.parent_path();
}

}  // namespace talvora
