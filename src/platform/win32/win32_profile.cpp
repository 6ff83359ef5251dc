#include "platform/win32/win32_profile.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

#include "common/text_encoding.h"

namespace talvora {

std::string Win32Profile::GetString(std::string_view section, std::string_view key,
                                    std::string_view defaultText, std::size_t bufferSize,
                                    const std::string& file) const {
  std::string buffer(bufferSize, '\0');
  // The A call takes the path in the ANSI code page too.
  const DWORD copied = GetPrivateProfileStringA(
      std::string(section).c_str(), std::string(key).c_str(), std::string(defaultText).c_str(),
      buffer.data(), static_cast<DWORD>(bufferSize), Utf8ToAnsi(file).c_str());
  buffer.resize(std::min<std::size_t>(copied, buffer.size()));
  return buffer;
}

}  // namespace talvora
