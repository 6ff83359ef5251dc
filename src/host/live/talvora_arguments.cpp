#include "host/live/talvora_arguments.h"

#include <charconv>
#include <limits>

#include "host/command_line.h"

namespace talvora {
namespace {

constexpr int kMaxWindowSide = 16384;

std::optional<int> ParseSide(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (value < 1 || value > kMaxWindowSide) return std::nullopt;
  return value;
}

bool ParseWindowSize(std::string_view text, TalvoraOptions& options) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return false;
  const auto width = ParseSide(text.substr(0, x));
  const auto height = ParseSide(text.substr(x + 1));
  if (!width || !height) return false;
  options.windowWidth = *width;
  options.windowHeight = *height;
  return true;
}

// "--name=value" or "--name value": the value, taking the next word when needed.
class Words {
 public:
  explicit Words(std::span<const std::string_view> words) : words_(words) {}
  bool Done() const { return next_ >= words_.size(); }
  std::string_view Take() { return words_[next_++]; }
  std::optional<std::string_view> TakeValue() {
    if (Done()) return std::nullopt;
    return Take();
  }

 private:
  std::span<const std::string_view> words_;
  std::size_t next_ = 0;
};

// Splits "--name=value" into its name and value.
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view word) {
  const std::size_t equals = word.find('=');
  if (word.starts_with("--") && equals != std::string_view::npos) {
    return {word.substr(0, equals), word.substr(equals + 1)};
  }
  return {word, std::nullopt};
}

struct Parser {
  TalvoraOptions options;
  std::string error;
  bool rootAsked = false;
  std::vector<std::string_view> moduleWords;

  bool Fail(std::string message) {
    error = std::move(message);
    return false;
  }

  bool TakePath(Words& words, std::optional<std::string_view> inlineValue, std::string_view name,
                std::optional<std::string>& into) {
    const auto value = inlineValue ? inlineValue : words.TakeValue();
    if (!value || value->empty()) return Fail(std::string(name) + " needs a path");
    into = std::string(*value);
    return true;
  }

  bool TakeSetting(Words& words, std::optional<std::string_view> inlineValue) {
    const auto value = inlineValue ? inlineValue : words.TakeValue();
    const std::size_t equals = value ? value->find('=') : std::string_view::npos;
    if (equals == std::string_view::npos || equals == 0) {
      return Fail("-set needs NAME=VALUE");
    }
    options.settings.emplace_back(value->substr(0, equals), value->substr(equals + 1));
    return true;
  }

  bool TakeWindowId(Words& words, std::optional<std::string_view> inlineValue) {
    const auto value = inlineValue ? inlineValue : words.TakeValue();
    const auto id = value ? ParseWindowId(*value) : std::nullopt;
    if (!id) return Fail("-window-id needs a window id (decimal or 0x hex)");
    options.target = DisplayTarget::kX11Window;
    options.x11Window = id;
    return true;
  }

  bool Word(Words& words) {
    const std::string_view word = words.Take();
    const auto [name, inlineValue] = SplitOption(word);
    if (name == "--store") return TakePath(words, inlineValue, name, options.store);
    if (name == "--program-dir") return TakePath(words, inlineValue, name, options.programDir);
    if (name == "--drive-c") return TakePath(words, inlineValue, name, options.driveC);
    if (name == "-set" || name == "--set") return TakeSetting(words, inlineValue);
    if (name == "-window-id" || name == "--window-id") return TakeWindowId(words, inlineValue);
    if (name == "-root" || name == "--root") {
      rootAsked = true;
      return true;
    }
    if (name == "--window") {
      if (inlineValue && !ParseWindowSize(*inlineValue, options)) {
        return Fail("--window=WxH needs a size such as 800x600");
      }
      options.target = DisplayTarget::kWindow;
      return true;
    }
    moduleWords.push_back(word);
    return true;
  }

  bool Finish(std::optional<std::string_view> xscreensaverWindow) {
    for (std::string_view word : moduleWords) {
      if (!options.moduleCommandLine.empty()) options.moduleCommandLine += ' ';
      options.moduleCommandLine += word;
    }
    if (options.target == DisplayTarget::kX11Window) {
      if (!moduleWords.empty()) return Fail("-window-id takes no module switch");
      return true;
    }
    const bool ownWindow = options.target == DisplayTarget::kWindow;
    if (ownWindow && rootAsked) return Fail("--window and -root exclude each other");
    if (!moduleWords.empty()) {
      if (rootAsked) return Fail("-root takes no module switch");
      return PreviewFromModuleLine();
    }
    if (ownWindow) return true;
    // XScreenSaver names the window it wants drawn into in its variable.
    if (xscreensaverWindow) {
      const auto id = ParseWindowId(*xscreensaverWindow);
      if (!id) return Fail("XSCREENSAVER_WINDOW holds no window id");
      options.target = DisplayTarget::kX11Window;
      options.x11Window = id;
      return true;
    }
    if (rootAsked) options.target = DisplayTarget::kX11Window;
    return true;
  }

  // The module's preview switch names the X11 window to draw into.
  bool PreviewFromModuleLine() {
    const StartupDecision decision = DecideStartup(options.moduleCommandLine);
    if (decision.mode != StartupMode::kPreview || decision.windowHandle <= 0) return true;
    if (options.target == DisplayTarget::kWindow) return Fail("--window takes no preview switch");
    options.target = DisplayTarget::kX11Window;
    options.x11Window = decision.windowHandle;
    return true;
  }
};

}  // namespace

ParsedTalvoraArguments ParseTalvoraArguments(std::span<const std::string_view> arguments,
                                             std::optional<std::string_view> xscreensaverWindow) {
  Parser parser;
  Words words(arguments);
  while (!words.Done()) {
    if (!parser.Word(words)) return {std::nullopt, parser.error};
  }
  if (!parser.Finish(xscreensaverWindow)) return {std::nullopt, parser.error};
  return {std::move(parser.options), {}};
}

std::optional<std::int64_t> ParseWindowId(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  if (value <= 0 || value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return value;
}

std::string PreviewCommandLine(std::int64_t window) { return "/p " + std::to_string(window); }

}  // namespace talvora
