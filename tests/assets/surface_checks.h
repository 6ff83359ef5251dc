#pragma once

#include <cstdint>
#include <functional>

#include "runtime/graphics/surface.h"

namespace talvora::testing_support {

// FNV-1a over the size and every pixel (four bytes, low byte first).
inline std::uint64_t Fnv1a(const Surface& surface) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  const auto add = [&hash](std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) {
      hash ^= (word >> shift) & 0xFFU;
      hash *= 0x100000001B3ULL;
    }
  };
  add(static_cast<std::uint32_t>(surface.Width()));
  add(static_cast<std::uint32_t>(surface.Height()));
  for (const Pixel pixel : surface.Pixels()) add(pixel);
  return hash;
}

// A copy of one rectangle of the surface.
inline Surface Crop(const Surface& surface, const PixelRect& rect) {
  Surface cell(rect.width, rect.height);
  for (int y = 0; y < rect.height; ++y) {
    for (int x = 0; x < rect.width; ++x) cell.At(x, y) = surface.At(rect.left + x, rect.top + y);
  }
  return cell;
}

inline int CountPixels(const Surface& surface, const std::function<bool(Pixel)>& wanted) {
  int count = 0;
  for (const Pixel pixel : surface.Pixels()) count += wanted(pixel) ? 1 : 0;
  return count;
}

}  // namespace talvora::testing_support
