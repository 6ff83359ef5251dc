#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace talvora {

// talvora-headless --store FILE --dump-settings
struct DumpSettingsRequest {
  std::optional<std::string> store;  // the default store when absent
};

// talvora-headless --get-ini FILE SECTION KEY
struct GetIniRequest {
  std::string file;
  std::string section;
  std::string key;
};

// talvora-headless --parse-command-line TEXT
struct ParseCommandLineRequest {
  std::string text;
};

using HeadlessRequest = std::variant<DumpSettingsRequest, GetIniRequest, ParseCommandLineRequest>;

struct ParsedHeadlessArguments {
  std::optional<HeadlessRequest> request;
  std::string usageError;  // one line, set when request is empty
};

// Reads the program's arguments (without the program name).
ParsedHeadlessArguments ParseHeadlessArguments(std::span<const std::string_view> arguments);

}  // namespace talvora
