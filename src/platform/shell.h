#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_services.h"

namespace talvora {

inline constexpr int kSwShowNormal = 1;

// The shell's services: opening a document or link, starting a program.
// Texts are UTF-8; the Windows calls get them in the ANSI code page.
class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteA; an empty verb is no verb (the file type's default action).
  // Returns what ShellExecuteA returns: above 32 when it succeeded.
  virtual std::int64_t ShellExecute(WindowHandle parent, std::string_view verb,
                                    std::string_view file, std::string_view parameters,
                                    std::string_view directory, int showCommand) = 0;
  // Starts the program at `path` (with no arguments) in a window shown with
  // `showCommand`; true when its process started.
  virtual bool StartProgram(std::string_view path, int showCommand) = 0;
};

}  // namespace talvora
