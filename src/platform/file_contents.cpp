#include "platform/file_contents.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace talvora {

bool FilesHaveSameContents(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::ifstream first(a, std::ios::binary);
  std::ifstream second(b, std::ios::binary);
  if (!first || !second) return false;
  std::array<char, 4096> left{};
  std::array<char, 4096> right{};
  while (true) {
    first.read(left.data(), left.size());
    second.read(right.data(), right.size());
    if (first.gcount() != second.gcount()) return false;
    if (!std::equal(left.begin(), left.begin() + first.gcount(), right.begin())) return false;
    if (!first || !second) return first.eof() && second.eof();
  }
}

}  // namespace talvora
