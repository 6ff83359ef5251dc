#pragma once

#include <cstdint>
#include <vector>

#include "assets/paint/color.h"
#include "assets/paint/path.h"
#include "runtime/graphics/surface.h"

namespace talvora::paint {

// How much of each pixel of a box a path covers, as alphas 0..256.
class Coverage {
 public:
  Coverage() = default;
  Coverage(PixelRect box, std::vector<std::uint16_t> alphas)
      : box_(box), alphas_(std::move(alphas)) {}

  const PixelRect& Box() const { return box_; }
  int AlphaAt(int x, int y) const {
    return alphas_[static_cast<std::size_t>((y - box_.top) * box_.width + (x - box_.left))];
  }

 private:
  PixelRect box_;
  std::vector<std::uint16_t> alphas_;
};

// Anti-aliased coverage of the path, limited to the clip rectangle: five
// sample lines per pixel row, each crossing measured exactly along the row.
Coverage Rasterize(const Path& path, const PixelRect& clip);

// Drawing into a rectangle of a surface, in coordinates local to it.
// Shaders are called with the centre of each pixel (x + 0.5, y + 0.5).
class Canvas {
 public:
  explicit Canvas(Surface& surface) : Canvas(surface, surface.Bounds()) {}
  Canvas(Surface& surface, const PixelRect& area) : surface_(&surface), area_(area) {}

  int Width() const { return area_.width; }
  int Height() const { return area_.height; }
  PixelRect Bounds() const { return {0, 0, area_.width, area_.height}; }

  Pixel At(int x, int y) const { return surface_->At(area_.left + x, area_.top + y); }
  void Set(int x, int y, Pixel color) { surface_->At(area_.left + x, area_.top + y) = color; }

  // Fills a whole-pixel rectangle (clipped to the canvas).
  void FillRect(const PixelRect& rect, Pixel color);
  // Lays a colour over a whole-pixel rectangle at the given alpha.
  void BlendRect(const PixelRect& rect, Pixel color, int alpha);

  void Fill(const Path& path, Pixel color, int alpha = kOpaque) {
    Paint(path, [color, alpha](double, double, Pixel under) { return Over(under, color, alpha); });
  }

  // Fills the path with shader(x, y) -> Pixel.
  template <class Shader>
  void Shade(const Path& path, Shader&& shader) {
    Paint(path, [&shader](double x, double y, Pixel) -> Pixel { return shader(x, y); });
  }

  // The most general fill: painter(x, y, old pixel) -> new pixel, blended
  // with the old pixel by the path's coverage.
  template <class Painter>
  void Paint(const Path& path, Painter&& painter) {
    const Coverage coverage = Rasterize(path, Bounds());
    const PixelRect& box = coverage.Box();
    for (int y = box.top; y < box.Bottom(); ++y) {
      for (int x = box.left; x < box.Right(); ++x) {
        const int alpha = coverage.AlphaAt(x, y);
        if (alpha == 0) continue;
        const Pixel under = At(x, y);
        const Pixel color = painter(x + 0.5, y + 0.5, under);
        Set(x, y, Over(under, color, alpha));
      }
    }
  }

  // Every pixel of the canvas becomes painter(x, y, old pixel).
  template <class Painter>
  void PaintAll(Painter&& painter) {
    for (int y = 0; y < Height(); ++y) {
      for (int x = 0; x < Width(); ++x) Set(x, y, painter(x + 0.5, y + 0.5, At(x, y)));
    }
  }

 private:
  Surface* surface_;
  PixelRect area_;
};

}  // namespace talvora::paint
