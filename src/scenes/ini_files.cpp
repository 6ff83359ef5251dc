#include "scenes/ini_files.h"

#include "common/utf8_path.h"
#include "settings/ini_value.h"

namespace talvora {

std::string IniFiles::Read(std::string_view file, std::string_view section,
                           std::string_view key) const {
  std::string value = GetIniValue(profile_, section, key, "", PathToUtf8(paths_.Native(file)));
  runtime_.Trace("ini", {{"file", file}, {"section", section}, {"key", key}, {"value", value}});
  return value;
}

}  // namespace talvora
