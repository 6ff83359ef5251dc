#include "runtime/graphics/surface.h"

#include <algorithm>

namespace talvora {

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  const int left = std::max(a.left, b.left);
  const int top = std::max(a.top, b.top);
  const int right = std::min(a.Right(), b.Right());
  const int bottom = std::min(a.Bottom(), b.Bottom());
  if (right <= left || bottom <= top) return {left, top, 0, 0};
  return {left, top, right - left, bottom - top};
}

Surface::Surface(int width, int height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(Size(width_) * Size(height_), fill) {}

void Surface::Fill(Pixel color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Surface::FillRect(const PixelRect& rect, Pixel color) {
  const PixelRect clipped = Intersection(rect, Bounds());
  for (int y = clipped.top; y < clipped.Bottom(); ++y) {
    const auto row = Row(y).subspan(Size(clipped.left), Size(clipped.width));
    std::fill(row.begin(), row.end(), color);
  }
}

}  // namespace talvora
