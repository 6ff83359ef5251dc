#pragma once

#include <cstdint>
#include <string_view>

namespace talvora {

enum class StartupMode {
  kFullScreen,
  kPreview,
  kSetup,
  kPasswordChange,
  kNone,  // a switch the module does not know: start-up does nothing
};

struct StartupDecision {
  StartupMode mode = StartupMode::kNone;
  // The preview's parent window, or the parent of the password-change dialog;
  // 0 in the other modes and when the command line carries no handle.
  std::int32_t windowHandle = 0;

  friend bool operator==(const StartupDecision&, const StartupDecision&) = default;
};

// Chooses the mode from the command-line argument text (the text after the
// program's name, UTF-8, exactly as received) and extracts the window handle
// the mode needs.
StartupDecision DecideStartup(std::string_view arguments);

// The argument text of a whole Windows command line: what follows the
// program's name (quoted, or up to the first blank) and the blanks after it,
// as a program's WinMain receives it.
std::string_view ProgramArguments(std::string_view commandLine);

}  // namespace talvora
