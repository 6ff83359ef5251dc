#pragma once

#include <memory>
#include <span>

#include "runtime/graphics/surface.h"

namespace talvora {

// An immutable picture: a rectangle of a pixel buffer that its copies and parts share. Copying a
// picture or taking a part of it costs a reference count, never an allocation, so a strip's cell
// can be fetched on every animation tick. The default picture is empty and draws nothing.
class Picture {
 public:
  Picture() = default;
  explicit Picture(Surface pixels);

  int Width() const { return area_.width; }
  int Height() const { return area_.height; }
  bool Empty() const { return area_.Empty(); }

  // x and y relative to the picture, within its width and height.
  Pixel At(int x, int y) const { return pixels_->At(area_.left + x, area_.top + y); }
  // The picture's row y, Width() pixels long.
  std::span<const Pixel> Row(int y) const;

  // The part of this picture inside `area` (relative to this picture), cut to the picture.
  Picture Part(const PixelRect& area) const;

 private:
  Picture(std::shared_ptr<const Surface> pixels, const PixelRect& area);

  std::shared_ptr<const Surface> pixels_;
  PixelRect area_;
};

}  // namespace talvora
