#include "common/utf8_path.h"

#include <algorithm>

namespace talvora {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  std::u8string text(utf8.size(), u8'\0');
  std::transform(utf8.begin(), utf8.end(), text.begin(),
                 [](char c) { return static_cast<char8_t>(c); });
  return std::filesystem::path(text);
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  std::string utf8(text.size(), '\0');
  std::transform(text.begin(), text.end(), utf8.begin(),
                 [](char8_t c) { return static_cast<char>(c); });
  return utf8;
}

}  // namespace talvora
