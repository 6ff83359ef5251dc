#include "scenes/ini_files.h"

namespace talvora {

std::string_view IniFiles::Read(std::string_view file, std::string_view section,
                                std::string_view key) const {
  const bool lookedUp = file == windowsPath_;
  if (!lookedUp) Resolve(file);
  std::string_view value = ReadAt(section, key);
  if (lookedUp && !reader_.FoundFile()) {
    const std::filesystem::path before = nativePath_;
    Resolve(file);
    if (nativePath_ != before) value = ReadAt(section, key);
  }
  runtime_.Trace("ini", {{"file", file}, {"section", section}, {"key", key}, {"value", value}});
  return value;
}

std::string_view IniFiles::ReadAt(std::string_view section, std::string_view key) const {
  return reader_.Read(profile_, section, key, "", nativePath_);
}

void IniFiles::Resolve(std::string_view file) const {
  windowsPath_.assign(file);
  nativePath_ = paths_.Native(file);
}

}  // namespace talvora
