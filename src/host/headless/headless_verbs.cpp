#include "host/headless/headless_verbs.h"

#include "host/command_line.h"
#include "settings/ini_value.h"
#include "settings/settings_fields.h"
#include "settings/settings_store.h"

namespace talvora {
namespace {

std::string_view ModeName(StartupMode mode) {
  switch (mode) {
    case StartupMode::kFullScreen:
      return "fullscreen";
    case StartupMode::kPreview:
      return "preview";
    case StartupMode::kSetup:
      return "setup";
    case StartupMode::kPasswordChange:
      return "password";
    case StartupMode::kNone:
      break;
  }
  return "none";
}

}  // namespace

void DumpSettings(Registry& registry, std::ostream& out) {
  Settings settings;
  LoadSettings(registry, settings);
  for (const PersistedField& field : kPersistedFields) {
    out << field.name << '=' << StoredText(field, settings) << '\n';
  }
}

void PrintIniValue(const ProfileService& profile, const std::string& file, std::string_view section,
                   std::string_view key, std::ostream& out) {
  out << GetIniValue(profile, section, key, "", file) << '\n';
}

void PrintStartupDecision(std::string_view commandLine, std::ostream& out) {
  const StartupDecision decision = DecideStartup(commandLine);
  out << "mode=" << ModeName(decision.mode) << " handle=" << decision.windowHandle << '\n';
}

}  // namespace talvora
