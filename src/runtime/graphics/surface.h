#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace talvora {

// A pixel as 0x00RRGGBB. Raster operations work on all 32 bits alike.
using Pixel = std::uint32_t;

constexpr Pixel Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return (Pixel{red} << 16) | (Pixel{green} << 8) | Pixel{blue};
}
constexpr std::uint8_t RedOf(Pixel p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t GreenOf(Pixel p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t BlueOf(Pixel p) { return static_cast<std::uint8_t>(p); }

inline constexpr Pixel kBlack = 0x000000;
inline constexpr Pixel kWhite = 0xFFFFFF;

// A rectangle in pixels: left and top inclusive, width and height never negative.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int Right() const { return left + width; }
  constexpr int Bottom() const { return top + height; }
  constexpr bool Empty() const { return width <= 0 || height <= 0; }
  constexpr bool Contains(int x, int y) const {
    return x >= left && x < Right() && y >= top && y < Bottom();
  }
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The part of a rectangle that lies inside another.
PixelRect Intersection(const PixelRect& a, const PixelRect& b);

// A 32-bit pixel buffer, row by row from the top-left corner.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Pixel fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelRect Bounds() const { return {0, 0, width_, height_}; }

  Pixel At(int x, int y) const { return pixels_[Index(x, y)]; }
  Pixel& At(int x, int y) { return pixels_[Index(x, y)]; }

  std::span<Pixel> Row(int y) { return {pixels_.data() + Index(0, y), Size(width_)}; }
  std::span<const Pixel> Row(int y) const { return {pixels_.data() + Index(0, y), Size(width_)}; }
  std::span<const Pixel> Pixels() const { return pixels_; }

  void Fill(Pixel color);
  // Fills the part of the rectangle that lies on the surface.
  void FillRect(const PixelRect& rect, Pixel color);

  friend bool operator==(const Surface&, const Surface&) = default;

 private:
  static std::size_t Size(int n) { return static_cast<std::size_t>(n); }
  std::size_t Index(int x, int y) const { return Size(y) * Size(width_) + Size(x); }

  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace talvora
