#include "platform/posix/places.h"

#include <cstdlib>

namespace talvora {
namespace {

std::filesystem::path ConfigHome() {
  // An empty or relative XDG_CONFIG_HOME is invalid and ignored.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr) {
    const std::filesystem::path path(xdg);
    if (path.is_absolute()) return path;
  }
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : ".") / ".config";
}

}  // namespace

std::filesystem::path DefaultSettingsStorePath() {
  return ConfigHome() / "talvora" / "settings.reg";
}

}  // namespace talvora
