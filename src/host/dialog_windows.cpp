#include "host/dialog_windows.h"

#include <algorithm>

namespace talvora {

std::size_t FirstWindowTakingInput(const std::vector<bool>& modal) {
  const auto last = std::find(modal.rbegin(), modal.rend(), true);
  return last == modal.rend() ? 0 : static_cast<std::size_t>(modal.rend() - last) - 1;
}

std::vector<std::uint8_t> MonochromePlane(const Surface& picture) {
  const std::size_t rowBytes = static_cast<std::size_t>((picture.Width() + 15) / 16) * 2;
  std::vector<std::uint8_t> plane(rowBytes * static_cast<std::size_t>(picture.Height()), 0);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.At(x, y) != kWhite) continue;
      const std::size_t at =
          static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x / 8);
      plane[at] = static_cast<std::uint8_t>(plane[at] | (0x80 >> (x % 8)));
    }
  }
  return plane;
}

}  // namespace talvora
