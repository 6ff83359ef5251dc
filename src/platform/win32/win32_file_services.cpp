#include "platform/win32/win32_file_services.h"

#include <string>

#include "common/text_encoding.h"
#include "common/utf8_path.h"
#include "platform/file_contents.h"
#include "platform/win32/windows_api.h"

namespace talvora {

bool Win32FileServices::CopyFile(std::string_view source, std::string_view destination) {
  const std::string target = Utf8ToAnsi(destination);
  // The copy goes to a file of its own beside the destination, which then
  // replaces it: a copy that fails halfway never leaves a truncated file.
  const std::string beside = target + ".talvora-copy";
  constexpr BOOL kFailIfExists = FALSE;
  if (CopyFileA(Utf8ToAnsi(source).c_str(), beside.c_str(), kFailIfExists) == FALSE) {
    DeleteFileA(beside.c_str());
    return false;
  }
  if (MoveFileExA(beside.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
    DeleteFileA(beside.c_str());
    return false;
  }
  return true;
}

bool Win32FileServices::SameContents(std::string_view a, std::string_view b) {
  return FilesHaveSameContents(PathFromUtf8(a), PathFromUtf8(b));
}

bool Win32FileServices::SetAttributes(std::string_view path, std::uint32_t attributes) {
  // Windows stores "no attributes" as FILE_ATTRIBUTE_NORMAL.
  const DWORD stored = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
  return SetFileAttributesA(Utf8ToAnsi(path).c_str(), stored) != FALSE;
}

std::unique_ptr<FileServices> MakeSystemFileServices() {
  return std::make_unique<Win32FileServices>();
}

}  // namespace talvora
