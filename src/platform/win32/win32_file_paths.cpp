#include "platform/win32/win32_file_paths.h"

#include "common/utf8_path.h"

namespace talvora {

std::filesystem::path Win32FilePaths::Native(std::string_view windowsPath) const {
  return PathFromUtf8(windowsPath);
}

}  // namespace talvora
