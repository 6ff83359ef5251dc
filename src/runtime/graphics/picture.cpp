#include "runtime/graphics/picture.h"

#include <cstddef>
#include <utility>

namespace talvora {

Picture::Picture(Surface pixels) {
  if (pixels.Bounds().Empty()) return;
  area_ = pixels.Bounds();
  pixels_ = std::make_shared<const Surface>(std::move(pixels));
}

Picture::Picture(std::shared_ptr<const Surface> pixels, const PixelRect& area)
    : pixels_(std::move(pixels)), area_(area) {}

std::span<const Pixel> Picture::Row(int y) const {
  return pixels_->Row(area_.top + y)
      .subspan(static_cast<std::size_t>(area_.left), static_cast<std::size_t>(area_.width));
}

Picture Picture::Part(const PixelRect& area) const {
  const PixelRect inside = Intersection(area, {0, 0, area_.width, area_.height});
  if (inside.Empty()) return {};
  Picture part(pixels_,
               {area_.left + inside.left, area_.top + inside.top, inside.width, inside.height});
  part.origin_ = origin_;
  return part;
}

Picture Picture::WithOrigin(PictureOrigin origin) const {
  Picture named = *this;
  named.origin_ = std::move(origin);
  return named;
}

Picture Picture::WithFileOrigin(std::string file) const {
  return WithOrigin({{}, -1, std::make_shared<const std::string>(std::move(file))});
}

}  // namespace talvora
