#include "runtime/forms/picture_box.h"

#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/graphics/paint_picture.h"

namespace talvora {

PictureBox::PictureBox(Form& parent, std::string_view name, PixelRect bounds, bool visible)
    : ControlContainer(parent.Runtime(), name),
      parent_(parent),
      left_(bounds.left),
      top_(bounds.top),
      visible_(visible) {
  Resize(bounds.width, bounds.height);
  parent_.AddChild(*this);
}

PictureBox::~PictureBox() {
  parent_.RemoveChild(*this);
  if (visible_) parent_.Invalidate(Bounds());
}

void PictureBox::Move(int left, int top) {
  if (visible_) parent_.Invalidate(Bounds());
  left_ = left;
  top_ = top;
  Runtime().Trace("move",
                  {{"control", Name()}, {"x", std::int64_t{left}}, {"y", std::int64_t{top}}});
}

void PictureBox::SetVisible(bool visible) {
  if (visible_ && !visible) parent_.Invalidate(Bounds());
  if (!visible_ && visible) InvalidateAll();
  visible_ = visible;
  Runtime().Trace("visible", {{"control", Name()}, {"on", visible}});
}

void PictureBox::SetPicture(const Picture& picture) {
  picture_ = picture;
  InvalidateAll();
  Runtime().TracePicture(Name(), picture);
}

void PictureBox::PaintBackground(const PixelRect& clip) {
  ControlContainer::PaintBackground(clip);
  PaintPictureClipped(Canvas(), picture_, 0, 0, clip);
}

}  // namespace talvora
