#pragma once

#include "platform/shell.h"

namespace talvora {

// The desktop's shell on Linux: links and documents go to xdg-open, programs
// are started by path. Both run detached, so nothing waits for them and no
// finished child is left behind.
class PosixShell final : public Shell {
 public:
  std::int64_t ShellExecute(WindowHandle parent, std::string_view verb, std::string_view file,
                            std::string_view parameters, std::string_view directory,
                            int showCommand) override;
  bool StartProgram(std::string_view path, int showCommand) override;
};

}  // namespace talvora
