#pragma once

#include "runtime/graphics/surface.h"

namespace talvora::paint {

// Colour arithmetic in whole numbers, so blending gives the same pixels
// everywhere. Alphas run from 0 (keep the old pixel) to 256 (take the new).
inline constexpr int kOpaque = 256;

// Alpha for a coverage or weight in [0, 1].
constexpr int AlphaOf(double weight) {
  const double clamped = weight < 0.0 ? 0.0 : (weight > 1.0 ? 1.0 : weight);
  return static_cast<int>(clamped * kOpaque + 0.5);
}

// The pixel under with over laid on it at the given alpha.
constexpr Pixel Over(Pixel under, Pixel over, int alpha) {
  if (alpha <= 0) return under;
  if (alpha >= kOpaque) return over;
  const auto blend = [alpha](Pixel a, Pixel b) {
    return ((a & 0xFFU) * static_cast<Pixel>(kOpaque - alpha) +
            (b & 0xFFU) * static_cast<Pixel>(alpha) + 128U) >>
           8;
  };
  return (blend(under >> 16, over >> 16) << 16) | (blend(under >> 8, over >> 8) << 8) |
         blend(under, over);
}

// The colour a fraction t of the way from a to b (t clamped to [0, 1]).
Pixel Mix(Pixel a, Pixel b, double t);

// Each channel multiplied by factor and clamped to 0..255.
Pixel Scale(Pixel color, double factor);

// Each channel plus amount (may be negative), clamped to 0..255.
constexpr Pixel Lift(Pixel color, int amount) {
  const auto lift = [amount](Pixel channel) {
    const int value = static_cast<int>(channel & 0xFFU) + amount;
    return static_cast<Pixel>(value < 0 ? 0 : (value > 255 ? 255 : value));
  };
  return (lift(color >> 16) << 16) | (lift(color >> 8) << 8) | lift(color);
}

// A colour from channel values in 0..255 given as reals (clamped, rounded).
Pixel RgbOf(double red, double green, double blue);

// A colour ramp: stops with increasing positions; positions outside the
// first and last stop take the end colours.
struct ColorStop {
  double at;
  Pixel color;
};
template <std::size_t N>
Pixel Ramp(const ColorStop (&stops)[N], double t) {
  if (t <= stops[0].at) return stops[0].color;
  for (std::size_t i = 1; i < N; ++i) {
    if (t < stops[i].at) {
      return Mix(stops[i - 1].color, stops[i].color,
                 (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    }
  }
  return stops[N - 1].color;
}

}  // namespace talvora::paint
