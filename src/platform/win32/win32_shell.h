#pragma once

#include "platform/shell.h"

namespace talvora {

// ShellExecuteA of shell32 and CreateProcessA of kernel32.
class Win32Shell final : public Shell {
 public:
  std::int64_t ShellExecute(WindowHandle parent, std::string_view verb, std::string_view file,
                            std::string_view parameters, std::string_view directory,
                            int showCommand) override;
  bool StartProgram(std::string_view path, int showCommand) override;
};

}  // namespace talvora
