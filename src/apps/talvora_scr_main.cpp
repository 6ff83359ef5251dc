// Talvora.scr: the screen-saver module Windows starts with "/s", "/p HWND",
// "/c" or "/a HWND".

#include "host/command_line.h"
#include "host/win32/win32_saver_app.h"
#include "platform/win32/win32_process.h"

int main() {
  const std::string commandLine = talvora::Win32CommandLine();
  return talvora::RunWin32Saver(talvora::ProgramArguments(commandLine));
}
