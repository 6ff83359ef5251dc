#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvora {

// Where talvora draws.
enum class DisplayTarget {
  kFullScreen,  // a window of our own over the whole X screen
  kWindow,      // an ordinary window of our own, to try the saver out
  kX11Window,   // a window someone else made: XScreenSaver's, a preview's, the root
};

struct TalvoraOptions {
  DisplayTarget target = DisplayTarget::kFullScreen;
  int windowWidth = 800;
  int windowHeight = 600;
  // kX11Window: the window to draw into; nullopt for the screen's root window.
  std::optional<std::int64_t> x11Window;
  // The module's own command line ("/s", "/p 1234", "/c", "/a 1234"); for
  // kX11Window the preview of the window drawn into, once its id is known.
  std::string moduleCommandLine;
  std::optional<std::string> store;
  std::optional<std::string> programDir;
  std::optional<std::string> driveC;
  // Settings that hold for this run only (-set NAME=VALUE), in order.
  std::vector<std::pair<std::string, std::string>> settings;
};

struct ParsedTalvoraArguments {
  std::optional<TalvoraOptions> options;
  std::string usageError;  // when options is nullopt
};

// Reads talvora's arguments (after the program's name). Words that are not
// talvora's own options form the module's command line, joined by blanks.
// `xscreensaverWindow` is the XSCREENSAVER_WINDOW variable, when set: the
// window to draw into when neither a module switch nor a window of our own
// was asked for.
ParsedTalvoraArguments ParseTalvoraArguments(std::span<const std::string_view> arguments,
                                             std::optional<std::string_view> xscreensaverWindow);

// An X11 window id in decimal or 0x hexadecimal; nullopt unless it is a
// positive 32-bit signed number.
std::optional<std::int64_t> ParseWindowId(std::string_view text);

// The module's command line that previews into a window: "/p ID".
std::string PreviewCommandLine(std::int64_t window);

}  // namespace talvora
