#include "platform/win32/win32_shell.h"

#include <string>

#include "common/text_encoding.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/windows_api.h"

namespace talvora {
namespace {

// An ANSI text for a call that takes NULL for "none".
class OptionalAnsi {
 public:
  explicit OptionalAnsi(std::string_view utf8) : empty_(utf8.empty()), text_(Utf8ToAnsi(utf8)) {}
  const char* Get() const { return empty_ ? nullptr : text_.c_str(); }

 private:
  bool empty_;
  std::string text_;
};

}  // namespace

std::int64_t Win32Shell::ShellExecute(WindowHandle parent, std::string_view verb,
                                      std::string_view file, std::string_view parameters,
                                      std::string_view directory, int showCommand) {
  const OptionalAnsi verbText(verb);
  const OptionalAnsi parameterText(parameters);
  const OptionalAnsi directoryText(directory);
  const HINSTANCE result = ShellExecuteA(ToHwnd(parent), verbText.Get(), Utf8ToAnsi(file).c_str(),
                                         parameterText.Get(), directoryText.Get(), showCommand);
  return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(result));
}

bool Win32Shell::StartProgram(std::string_view path, int showCommand) {
  // CreateProcessA may write into the command line it is given.
  std::string commandLine = "\"" + Utf8ToAnsi(path) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace talvora
