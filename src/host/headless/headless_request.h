#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct SnapshotRequest {
  std::int64_t atMs = 0;
  std::string file;
  friend bool operator==(const SnapshotRequest&, const SnapshotRequest&) = default;
};

// talvora-headless [options] -- COMMAND LINE: runs the module's command line
// on a virtual clock.
struct RunRequest {
  std::string commandLine;
  PixelSize desktop{800, 600};
  PixelSize preview{152, 112};
  std::optional<std::string> store;
  std::optional<std::string> programDir;
  std::optional<std::string> driveC;
  std::int64_t runMs = 10000;
  std::optional<std::string> eventsFile;
  std::vector<bool> passwordAnswers;  // true = the right password
  std::vector<SnapshotRequest> snapshots;
  std::optional<std::string> traceFile;
};

using HeadlessRequest =
    std::variant<DumpSettingsRequest, GetIniRequest, ParseCommandLineRequest, RunRequest>;

struct ParsedHeadlessArguments {
  std::optional<HeadlessRequest> request;
  std::string usageError;  // one line, set when request is empty
};

// Reads the program's arguments (without the program name).
ParsedHeadlessArguments ParseHeadlessArguments(std::span<const std::string_view> arguments);

}  // namespace talvora
