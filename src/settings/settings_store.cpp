#include "settings/settings_store.h"

#include <string>

#include "settings/settings_fields.h"
#include "settings/settings_location.h"

namespace talvora {

void LoadSettings(Registry& registry, Settings& settings) {
  for (const PersistedField& field : kPersistedFields) {
    std::string stored;
    ReadSettingValue(registry, field.name, stored);
    ReadField(field, stored, settings);
  }
}

void SaveSettings(Registry& registry, const Settings& settings) {
  for (const PersistedField& field : kPersistedFields) {
    WriteSettingValue(registry, field.name, StoredText(field, settings));
  }
}

}  // namespace talvora
