#include "runtime/forms/window_placement.h"

#include <algorithm>

namespace talvora {
namespace {

// Moves [start, start + length) inside [low, high), the start first.
int ClampSpan(int start, int length, int low, int high) {
  return std::clamp(start, low, std::max(low, high - length));
}

}  // namespace

PixelRect CentreWindow(const PixelRect& window, const PixelRect& area, const PixelRect& screen) {
  const int left = area.left + (area.width - window.width) / 2;
  const int top = area.top + (area.height - window.height) / 2;
  return {ClampSpan(left, window.width, screen.left, screen.Right()),
          ClampSpan(top, window.height, screen.top, screen.Bottom()), window.width, window.height};
}

}  // namespace talvora
