#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "platform/profile.h"
#include "platform/registry.h"

namespace talvora {

// Prints the persisted settings as LoadSettings reads them from the registry,
// one Name=value line each in field order: texts as held, numbers in decimal,
// booleans TRUE or FALSE.
void DumpSettings(Registry& registry, std::ostream& out);

// Prints what GetIniValue returns for the key, then a newline.
void PrintIniValue(const ProfileService& profile, const std::string& file, std::string_view section,
                   std::string_view key, std::ostream& out);

// Prints the start-up decision for a command line: "mode=preview handle=1234".
void PrintStartupDecision(std::string_view commandLine, std::ostream& out);

}  // namespace talvora
