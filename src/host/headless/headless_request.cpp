#include "host/headless/headless_request.h"

#include <charconv>

namespace talvora {
namespace {

constexpr std::string_view kUsage =
    "usage: talvora-headless [--store FILE] --dump-settings | --get-ini FILE SECTION KEY | "
    "--parse-command-line TEXT | [options] -- COMMAND LINE";

ParsedHeadlessArguments Usage(std::string message) { return {std::nullopt, std::move(message)}; }

template <typename Number>
bool ParseWhole(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

std::optional<PixelSize> ParseSize(std::string_view text) {
  const std::size_t x = text.find('x');
  PixelSize size;
  if (x == std::string_view::npos || !ParseWhole(text.substr(0, x), size.width) ||
      !ParseWhole(text.substr(x + 1), size.height) || size.width <= 0 || size.height <= 0 ||
      size.width > 16384 || size.height > 16384) {
    return std::nullopt;
  }
  return size;
}

std::optional<SnapshotRequest> ParseSnapshot(std::string_view text) {
  const std::size_t colon = text.find(':');
  SnapshotRequest snapshot;
  if (colon == std::string_view::npos || colon + 1 == text.size() ||
      !ParseWhole(text.substr(0, colon), snapshot.atMs) || snapshot.atMs < 0) {
    return std::nullopt;
  }
  snapshot.file = std::string(text.substr(colon + 1));
  return snapshot;
}

std::optional<std::vector<bool>> ParseAnswers(std::string_view text) {
  std::vector<bool> answers;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view answer = text.substr(0, comma);
    if (answer == "ok") {
      answers.push_back(true);
    } else if (answer == "wrong") {
      answers.push_back(false);
    } else {
      return std::nullopt;
    }
    if (comma == std::string_view::npos) return answers;
    text.remove_prefix(comma + 1);
  }
}

// Options that take a value, and which requests they belong to.
struct Options {
  std::optional<std::string> store;
  RunRequest run;
  bool runOptionGiven = false;
};

// Reads the option at `at` with its value; an error message when it is not valid.
std::string ReadValueOption(std::string_view option, std::string_view value, Options& options) {
  RunRequest& run = options.run;
  auto runOption = [&] { options.runOptionGiven = true; };
  if (option == "--store") {
    options.store = std::string(value);
  } else if (option == "--size") {
    const auto size = ParseSize(value);
    if (!size) return "--size needs WxH";
    run.desktop = *size;
    runOption();
  } else if (option == "--preview-size") {
    const auto size = ParseSize(value);
    if (!size) return "--preview-size needs WxH";
    run.preview = *size;
    runOption();
  } else if (option == "--program-dir") {
    run.programDir = std::string(value);
    runOption();
  } else if (option == "--drive-c") {
    run.driveC = std::string(value);
    runOption();
  } else if (option == "--run") {
    if (!ParseWhole(value, run.runMs) || run.runMs < 0) return "--run needs milliseconds";
    runOption();
  } else if (option == "--events") {
    run.eventsFile = std::string(value);
    runOption();
  } else if (option == "--password-answers") {
    const auto answers = ParseAnswers(value);
    if (!answers) return "--password-answers needs ok and wrong, separated by commas";
    run.passwordAnswers = *answers;
    runOption();
  } else if (option == "--snapshot") {
    const auto snapshot = ParseSnapshot(value);
    if (!snapshot) return "--snapshot needs MS:FILE.png";
    run.snapshots.push_back(*snapshot);
    runOption();
  } else if (option == "--trace") {
    run.traceFile = std::string(value);
    runOption();
  } else {
    return "unknown option " + std::string(option);
  }
  return {};
}

bool TakesValue(std::string_view option) {
  for (const std::string_view known :
       {"--store", "--size", "--preview-size", "--program-dir", "--drive-c", "--run", "--events",
        "--password-answers", "--snapshot", "--trace"}) {
    if (option == known) return true;
  }
  return false;
}

}  // namespace

ParsedHeadlessArguments ParseHeadlessArguments(std::span<const std::string_view> arguments) {
  Options options;
  std::optional<HeadlessRequest> verb;
  auto takeVerb = [&](HeadlessRequest request) {
    if (verb) return false;
    verb = std::move(request);
    return true;
  };
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view option = arguments[at];
    const std::size_t remaining = arguments.size() - at - 1;
    if (option == "--") {
      if (verb) return Usage("a verb cannot go with a command line after --");
      RunRequest run = std::move(options.run);
      run.store = std::move(options.store);
      for (std::size_t word = at + 1; word < arguments.size(); ++word) {
        if (word > at + 1) run.commandLine += ' ';
        run.commandLine += arguments[word];
      }
      return {std::move(run), {}};
    }
    if (TakesValue(option)) {
      if (remaining < 1) return Usage(std::string(option) + " needs a value");
      if (std::string error = ReadValueOption(option, arguments[++at], options); !error.empty()) {
        return Usage(std::move(error));
      }
    } else if (option == "--dump-settings") {
      if (!takeVerb(DumpSettingsRequest{})) return Usage("only one of the verbs may be given");
    } else if (option == "--get-ini") {
      if (remaining < 3) return Usage("--get-ini needs FILE SECTION KEY");
      GetIniRequest ini{std::string(arguments[at + 1]), std::string(arguments[at + 2]),
                        std::string(arguments[at + 3])};
      at += 3;
      if (!takeVerb(std::move(ini))) return Usage("only one of the verbs may be given");
    } else if (option == "--parse-command-line") {
      if (remaining < 1) return Usage("--parse-command-line needs TEXT");
      if (!takeVerb(ParseCommandLineRequest{std::string(arguments[++at])})) {
        return Usage("only one of the verbs may be given");
      }
    } else {
      return Usage("unknown option " + std::string(option));
    }
  }
  if (!verb) return Usage(std::string(kUsage));
  if (options.runOptionGiven) return Usage("run options need a command line after --");
  if (options.store) {
    auto* dump = std::get_if<DumpSettingsRequest>(&*verb);
    if (dump == nullptr) return Usage("--store goes with --dump-settings or a run");
    dump->store = std::move(options.store);
  }
  return {std::move(verb), {}};
}

}  // namespace talvora
