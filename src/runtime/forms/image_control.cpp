#include "runtime/forms/image_control.h"

#include "runtime/forms/control_container.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/graphics/paint_picture.h"

namespace talvora {

ImageControl::ImageControl(ControlContainer& container, std::string name, int left, int top,
                           bool visible)
    : WindowlessControl(container, std::move(name), {left, top, 0, 0}, visible) {}

void ImageControl::SetPicture(const Picture& picture) {
  picture_ = picture;
  Changed();
  SetBounds({Left(), Top(), picture.Width(), picture.Height()});
  Container().Runtime().TracePicture(std::string_view(Name()), picture);
}

void ImageControl::Draw(Surface& target, const PixelRect& clip, TextRenderer& /*text*/) const {
  PaintPictureClipped(target, picture_, Left(), Top(), clip);
}

}  // namespace talvora
