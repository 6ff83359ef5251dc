#include "runtime/forms/picture_box.h"

#include <algorithm>

#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/graphics/paint_picture.h"

namespace talvora {
namespace {

constexpr int kBorderWidth = 2;

}  // namespace

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
  if (visible_) parent_.Invalidate(OuterBounds());
}

void PictureBox::SetSunkenBorder() {
  if (border_) return;
  border_ = true;
  left_ += kBorderWidth;
  top_ += kBorderWidth;
  Resize(std::max(Width() - 2 * kBorderWidth, 0), std::max(Height() - 2 * kBorderWidth, 0));
  InvalidateAll();
}

PixelRect PictureBox::OuterBounds() const {
  const int edge = border_ ? kBorderWidth : 0;
  return {left_ - edge, top_ - edge, Width() + 2 * edge, Height() + 2 * edge};
}

void PictureBox::Move(int left, int top) {
  if (visible_) parent_.Invalidate(OuterBounds());
  const int edge = border_ ? kBorderWidth : 0;
  left_ = left + edge;
  top_ = top + edge;
  Runtime().Trace("move",
                  {{"control", Name()}, {"x", std::int64_t{left}}, {"y", std::int64_t{top}}});
}

void PictureBox::SetVisible(bool visible) {
  if (visible_ && !visible) parent_.Invalidate(OuterBounds());
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
