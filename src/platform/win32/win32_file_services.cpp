#include "platform/win32/win32_file_services.h"

#include "common/text_encoding.h"
#include "platform/win32/windows_api.h"

namespace talvora {

bool Win32FileServices::CopyFile(std::string_view source, std::string_view destination) {
  constexpr BOOL kReplaceExisting = FALSE;  // "fail if exists" is the flag's meaning
  return CopyFileA(Utf8ToAnsi(source).c_str(), Utf8ToAnsi(destination).c_str(), kReplaceExisting) !=
         FALSE;
}

bool Win32FileServices::SetAttributes(std::string_view path, std::uint32_t attributes) {
  // Windows stores "no attributes" as FILE_ATTRIBUTE_NORMAL.
  const DWORD stored = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
  return SetFileAttributesA(Utf8ToAnsi(path).c_str(), stored) != FALSE;
}

}  // namespace talvora
