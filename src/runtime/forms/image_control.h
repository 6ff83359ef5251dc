#pragma once

#include "runtime/forms/windowless_control.h"
#include "runtime/graphics/picture.h"

namespace talvora {

// An image control: shows its picture at its own size, which is the
// control's size.
class ImageControl final : public WindowlessControl {
 public:
  ImageControl(ControlContainer& container, std::string name, int left, int top,
               bool visible = true);

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(const Picture& picture);

  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;

 private:
  Picture picture_;
};

}  // namespace talvora
