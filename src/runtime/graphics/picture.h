#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "runtime/graphics/surface.h"

namespace talvora {

// Where a picture came from, for the trace: a strip's cell or a file. Copying
// it never allocates.
struct PictureOrigin {
  std::string_view strip;  // a strip's name, which outlives its pictures
  int cell = -1;
  std::shared_ptr<const std::string> file;

  std::string_view File() const { return file ? std::string_view(*file) : std::string_view(); }
};

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

  const PictureOrigin& Origin() const { return origin_; }
  Picture WithOrigin(PictureOrigin origin) const;
  Picture WithFileOrigin(std::string file) const;

 private:
  Picture(std::shared_ptr<const Surface> pixels, const PixelRect& area);

  std::shared_ptr<const Surface> pixels_;
  PixelRect area_;
  PictureOrigin origin_;
};

}  // namespace talvora
