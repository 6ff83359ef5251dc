#include "host/live/setting_overrides.h"

#include <algorithm>

#include "common/text_encoding.h"
#include "settings/settings_location.h"

namespace talvora {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

SettingOverrides::SettingOverrides(Registry& store,
                                   std::vector<std::pair<std::string, std::string>> settings)
    : store_(store), settings_(std::move(settings)) {
  // The registry holds texts in the ANSI code page.
  for (auto& [name, text] : settings_) {
    name = Utf8ToAnsi(name);
    text = Utf8ToAnsi(text);
  }
}

std::optional<RegistryValue> SettingOverrides::Query(RegistryRoot root, std::string_view keyPath,
                                                     std::string_view valueName,
                                                     std::size_t maxBytes) {
  if (SameName(keyPath, kSettingsKey)) {
    // The last one given wins, as a later option does.
    for (auto setting = settings_.rbegin(); setting != settings_.rend(); ++setting) {
      if (!SameName(setting->first, valueName)) continue;
      if (setting->second.size() > maxBytes) return std::nullopt;
      return RegistryValue{kRegSz, setting->second};
    }
  }
  return store_.Query(root, keyPath, valueName, maxBytes);
}

bool SettingOverrides::Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                           const RegistryValue& value) {
  return store_.Set(root, keyPath, valueName, value);
}

bool SettingOverrides::Remove(RegistryRoot root, std::string_view keyPath,
                              std::string_view valueName) {
  return store_.Remove(root, keyPath, valueName);
}

}  // namespace talvora
