#pragma once

#include <ios>
#include <ostream>

#include "runtime/graphics/picture.h"
#include "runtime/graphics/surface.h"

namespace talvora::testing {

// A pixel that names its own source position, so a test can tell where a drawn pixel came from.
constexpr Pixel CoordinatePixel(int x, int y) {
  return 0x01000000u | (static_cast<Pixel>(y) << 12) | static_cast<Pixel>(x);
}

inline Surface CoordinateSurface(int width, int height) {
  Surface surface(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) surface.At(x, y) = CoordinatePixel(x, y);
  }
  return surface;
}

inline Picture CoordinatePicture(int width, int height) {
  return Picture(CoordinateSurface(width, height));
}

}  // namespace talvora::testing

namespace talvora {

// Lets a failed comparison of surfaces show their pixels rather than their bytes.
inline void PrintTo(const Surface& surface, std::ostream* out) {
  *out << surface.Width() << "x" << surface.Height() << std::hex;
  for (int y = 0; y < surface.Height(); ++y) {
    *out << "\n ";
    for (int x = 0; x < surface.Width() && x < 16; ++x) *out << " " << surface.At(x, y);
    if (surface.Width() > 16) *out << " ...";
    if (y == 15 && surface.Height() > 16) {
      *out << "\n  ...";
      break;
    }
  }
  *out << std::dec;
}

}  // namespace talvora
