#include "assets/paint/color.h"

#include "assets/paint/det_math.h"

namespace talvora::paint {
namespace {

int Channel(double value) { return static_cast<int>(Clamp(value, 0.0, 255.0) + 0.5); }

Pixel Pack(int red, int green, int blue) {
  return Rgb(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
             static_cast<std::uint8_t>(blue));
}

}  // namespace

Pixel Mix(Pixel a, Pixel b, double t) { return Over(a, b, AlphaOf(t)); }

Pixel Scale(Pixel color, double factor) {
  return RgbOf(RedOf(color) * factor, GreenOf(color) * factor, BlueOf(color) * factor);
}

Pixel RgbOf(double red, double green, double blue) {
  return Pack(Channel(red), Channel(green), Channel(blue));
}

}  // namespace talvora::paint
