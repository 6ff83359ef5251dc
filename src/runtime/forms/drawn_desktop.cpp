#include "runtime/forms/drawn_desktop.h"

#include <algorithm>

#include "platform/input_state.h"
#include "runtime/forms/form.h"
#include "runtime/forms/window_frame.h"
#include "runtime/forms/window_placement.h"

namespace talvora {
namespace {

bool Framed(const Form& form) { return form.Style().border == BorderStyle::kFixedDialog; }

FramePart PartAt(const Form& form, int x, int y) {
  if (Framed(form)) return HitDialogFrame(DrawnDesktop::WindowBounds(form), x, y);
  return form.ScreenBounds().Contains(x, y) ? FramePart::kClient : FramePart::kOutside;
}

}  // namespace

DrawnDesktop::DrawnDesktop(FormsRuntime& runtime, const PixelRect& screen)
    : runtime_(runtime), screen_(screen) {
  runtime_.SetWindowSystem(this);
}

DrawnDesktop::~DrawnDesktop() { runtime_.SetWindowSystem(nullptr); }

PixelRect DrawnDesktop::WindowBounds(const Form& form) {
  const PixelRect client = form.ScreenBounds();
  return Framed(form) ? DialogFrameAround(client) : client;
}

void DrawnDesktop::Place(Form& form) const {
  const PixelRect outer = WindowBounds(form);
  PixelRect area = screen_;
  switch (form.Style().position) {
    case StartUpPosition::kManual:
      return;
    case StartUpPosition::kCenterOwner:
      if (form.Owner() != nullptr) area = WindowBounds(*form.Owner());
      break;
    case StartUpPosition::kCenterScreen:
      break;
  }
  const PixelRect placed = CentreWindow(outer, area, screen_);
  const PixelRect client = form.ScreenBounds();
  form.MoveWindow({client.left + placed.left - outer.left, client.top + placed.top - outer.top,
                   client.width, client.height});
}

void DrawnDesktop::FormShown(Form& form) {
  if (std::find(stack_.begin(), stack_.end(), &form) != stack_.end()) return;
  Place(form);
  stack_.push_back(&form);
}

void DrawnDesktop::FormHidden(Form& form) { FormUnloaded(form); }

void DrawnDesktop::FormUnloaded(Form& form) {
  std::erase(stack_, &form);
  if (pressed_ == &form) pressed_ = nullptr;
  if (closeHeld_ == &form) closeHeld_ = nullptr;
}

void DrawnDesktop::Compose(Surface& picture, int originX, int originY) const {
  for (const Form* form : stack_) {
    if (Framed(*form)) {
      PixelRect outer = WindowBounds(*form);
      outer.left -= originX;
      outer.top -= originY;
      PaintDialogFrame(picture, outer, form->Caption(), form == Top(),
                       form == closeHeld_ && closeOver_, runtime_.Text());
    }
    form->ComposeOnto(picture, originX, originY);
  }
}

void DrawnDesktop::MouseDown(int button, int shift, int x, int y) {
  Form* const form = Top();
  if (form == nullptr) return;
  switch (PartAt(*form, x, y)) {
    case FramePart::kClient:
      pressed_ = form;
      form->RaiseMouseDown(button, shift, x - form->ScreenBounds().left,
                           y - form->ScreenBounds().top);
      return;
    case FramePart::kCloseBox:
      if (button == kLeftButtonMask) {
        closeHeld_ = form;
        closeOver_ = true;
      }
      return;
    default:
      pressed_ = nullptr;
      return;
  }
}

void DrawnDesktop::MouseMove(int button, int shift, int x, int y) {
  Form* const form = Top();
  if (form == nullptr) return;
  if (closeHeld_ == form) {
    closeOver_ = PartAt(*form, x, y) == FramePart::kCloseBox;
    return;
  }
  const bool inClient = PartAt(*form, x, y) == FramePart::kClient;
  // A held button keeps the mouse with the form that got the press.
  if (inClient || pressed_ == form) {
    form->RaiseMouseMove(button, shift, x - form->ScreenBounds().left,
                         y - form->ScreenBounds().top);
  }
}

void DrawnDesktop::MouseUp(int button, int shift, int x, int y) {
  Form* const form = Top();
  if (form == nullptr) return;
  if (closeHeld_ == form) {
    const bool close = PartAt(*form, x, y) == FramePart::kCloseBox;
    closeHeld_ = nullptr;
    if (close) form->Unload(UnloadMode::kUserClosed);
    runtime_.PaintInvalidated();
    return;
  }
  if (pressed_ == form) {
    form->RaiseMouseUp(button, shift, x - form->ScreenBounds().left, y - form->ScreenBounds().top);
  }
}

void DrawnDesktop::Click() {
  Form* const form = Top();
  if (form != nullptr && form == pressed_) form->RaiseClick();
}

void DrawnDesktop::DblClick() {
  Form* const form = Top();
  if (form != nullptr && form == pressed_) form->RaiseDblClick();
}

}  // namespace talvora
