// The start-up decision over any command line: a known mode, a handle only where the mode takes
// one, and the same answer whatever the switch's case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "host/command_line.h"

namespace talvora {
namespace {

bool IsKnownMode(StartupMode mode) {
  switch (mode) {
    case StartupMode::kFullScreen:
    case StartupMode::kPreview:
    case StartupMode::kSetup:
    case StartupMode::kPasswordChange:
    case StartupMode::kNone:
      return true;
  }
  return false;
}

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

void CheckDecision(std::string_view arguments) {
  const StartupDecision decision = DecideStartup(arguments);
  FuzzCheck(IsKnownMode(decision.mode), "the mode is one of the modes");
  FuzzCheck(decision.windowHandle == 0 || decision.mode == StartupMode::kPreview ||
                decision.mode == StartupMode::kPasswordChange,
            "only the preview and the password change carry a window handle");
  FuzzCheck(DecideStartup(AsciiUpper(arguments)) == decision,
            "switches and numbers read the same in either case");
}

}  // namespace
}  // namespace talvora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talvora;
  const std::string_view commandLine(reinterpret_cast<const char*>(data), size);
  const std::string_view arguments = ProgramArguments(commandLine);
  FuzzCheck(commandLine.ends_with(arguments), "the arguments are the end of the command line");
  CheckDecision(commandLine);
  CheckDecision(arguments);
  return 0;
}
