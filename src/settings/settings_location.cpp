#include "settings/settings_location.h"

#include "settings/key_value.h"

namespace talvora {

bool ReadSettingValue(Registry& registry, std::string_view name, std::string& text) {
  const std::string passedIn = text;
  if (GetKeyValue(registry, RegistryRoot::kCurrentUser, kSettingsKey, name, text)) return true;
  text = passedIn;
  return GetKeyValue(registry, RegistryRoot::kLocalMachine, kSettingsKey, name, text);
}

bool WriteSettingValue(Registry& registry, std::string_view name, std::string_view text) {
  if (!SetKeyValue(registry, RegistryRoot::kLocalMachine, kSettingsKey, name, text)) {
    return SetKeyValue(registry, RegistryRoot::kCurrentUser, kSettingsKey, name, text);
  }
  registry.Remove(RegistryRoot::kCurrentUser, kSettingsKey, name);
  return true;
}

}  // namespace talvora
