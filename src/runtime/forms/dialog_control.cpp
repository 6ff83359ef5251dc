#include "runtime/forms/dialog_control.h"

#include <cmath>

#include "runtime/forms/dialog_controls.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"

namespace talvora {
namespace {

int Pixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

PixelRect InFrame(const Frame* frame, PixelRect bounds) {
  if (frame == nullptr) return bounds;
  bounds.left += frame->Left();
  bounds.top += frame->Top();
  return bounds;
}

}  // namespace

PixelRect PixelsFromTwips(int left, int top, int width, int height) {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

DialogControl::DialogControl(Form& form, Frame* frame, std::string name, PixelRect bounds)
    : WindowlessControl(form, std::move(name), InFrame(frame, bounds)), form_(form), frame_(frame) {
  form_.Dialog().Add(*this);
}

DialogControl::~DialogControl() { form_.Dialog().Remove(*this); }

void DialogControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

bool DialogControl::Focused() const { return form_.Dialog().Focused() == this; }

bool DialogControl::Usable() const {
  return Visible() && enabled_ && (frame_ == nullptr || frame_->Usable());
}

bool DialogControl::Contains(int x, int y) const { return Bounds().Contains(x, y); }

void DialogControl::TraceValue(std::int64_t value) const {
  form_.Runtime().Trace("value", {{"control", Name()}, {"value", value}});
}

}  // namespace talvora
