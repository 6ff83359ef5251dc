#pragma once

#include "platform/registry.h"
#include "settings/settings.h"

namespace talvora {

// Fills every persisted field from the registry, defaults and limits applied;
// SysDir and WinDir are left as they are.
void LoadSettings(Registry& registry, Settings& settings);

// Writes every persisted field. Failures are silent: a value that cannot be
// written keeps its previous stored text.
void SaveSettings(Registry& registry, const Settings& settings);

}  // namespace talvora
