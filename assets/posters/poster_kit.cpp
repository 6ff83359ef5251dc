#include "assets/posters/poster_kit.h"

#include <cstdint>

#include "assets/paint/color.h"
#include "assets/paint/det_math.h"

namespace talvora::posters {

using paint::Canvas;
using paint::Point;

void FillGradient(Canvas& canvas, Pixel top, Pixel bottom) {
  const double height = canvas.Height();
  canvas.PaintAll([=](double, double y, Pixel) { return paint::Mix(top, bottom, y / height); });
}

void DrawBorder(Canvas& canvas, Pixel color, int width) {
  const int w = canvas.Width();
  const int h = canvas.Height();
  canvas.FillRect({0, 0, w, width}, color);
  canvas.FillRect({0, h - width, w, width}, color);
  canvas.FillRect({0, 0, width, h}, color);
  canvas.FillRect({w - width, 0, width, h}, color);
}

paint::TextStyle Lettering(Pixel color, int scale, Pixel shadow) {
  paint::TextStyle style;
  style.scaleX = scale;
  style.scaleY = scale;
  style.color = color;
  style.shadowX = scale > 2 ? 2 : 1;
  style.shadowY = style.shadowX;
  style.shadowColor = shadow;
  return style;
}

void Caption(Canvas& canvas, int capTop, std::string_view text, const paint::TextStyle& style) {
  paint::DrawTextCentred(canvas, kPosterCentreX, capTop, text, style);
}

void PrintGrain(Canvas& canvas, int seed, int strength) {
  canvas.PaintAll([seed, strength](double x, double y, Pixel under) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1U ^
                      static_cast<std::uint32_t>(y) * 0x85EBCA77U ^
                      static_cast<std::uint32_t>(seed) * 0xC2B2AE3DU;
    h ^= h >> 15;
    h *= 0x2C1B3C6DU;
    h ^= h >> 12;
    const int offset =
        static_cast<int>(h % static_cast<std::uint32_t>(2 * strength + 1)) - strength;
    return paint::Lift(under, offset);
  });
}

}  // namespace talvora::posters
