#include "runtime/forms/line_control.h"

#include <algorithm>
#include <cstdlib>

namespace talvora {
namespace {

PixelRect Covering(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2);
  const int top = std::min(y1, y2);
  return {left, top, std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1};
}

}  // namespace

LineControl::LineControl(ControlContainer& container, std::string name, int x1, int y1, int x2,
                         int y2, Pixel color, bool visible)
    : WindowlessControl(container, std::move(name), Covering(x1, y1, x2, y2), visible),
      x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2),
      color_(color) {}

void LineControl::Draw(Surface& target, const PixelRect& clip, TextRenderer& /*text*/) const {
  const PixelRect visible = Intersection(clip, target.Bounds());
  // Bresenham's walk from one end to the other.
  const int dx = std::abs(x2_ - x1_);
  const int dy = -std::abs(y2_ - y1_);
  const int stepX = x1_ < x2_ ? 1 : -1;
  const int stepY = y1_ < y2_ ? 1 : -1;
  int error = dx + dy;
  for (int x = x1_, y = y1_;;) {
    if (x >= visible.left && x < visible.Right() && y >= visible.top && y < visible.Bottom()) {
      target.At(x, y) = color_;
    }
    if (x == x2_ && y == y2_) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

}  // namespace talvora
