#include "platform/win32/win32_profile.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

#include "common/text_encoding.h"
#include "common/utf8_path.h"

namespace talvora {

void Win32Profile::GetString(std::string_view section, std::string_view key,
                             std::string_view defaultText, std::size_t bufferSize,
                             const std::filesystem::path& file, std::string& copied) const {
  copied.assign(bufferSize, '\0');
  // The A call takes the path in the ANSI code page too.
  const DWORD count = GetPrivateProfileStringA(
      std::string(section).c_str(), std::string(key).c_str(), std::string(defaultText).c_str(),
      copied.data(), static_cast<DWORD>(bufferSize), Utf8ToAnsi(PathToUtf8(file)).c_str());
  copied.resize(std::min<std::size_t>(count, copied.size()));
}

}  // namespace talvora
