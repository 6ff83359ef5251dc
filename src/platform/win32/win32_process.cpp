#include "platform/win32/win32_process.h"

#include "common/text_encoding.h"
#include "platform/win32/windows_api.h"

namespace talvora {

std::string Win32CommandLine() { return AnsiToUtf8(GetCommandLineA()); }

std::string Win32ProgramFolder() {
  // Long paths are allowed on current Windows: grow until the name fits.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return ".";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  return AnsiToUtf8(std::string_view(path).substr(0, slash));
}

}  // namespace talvora
