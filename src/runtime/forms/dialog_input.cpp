#include "runtime/forms/dialog_input.h"

#include <algorithm>

#include "runtime/forms/dialog_control.h"

namespace talvora {

void DialogInput::Add(DialogControl& control) { controls_.push_back(&control); }

void DialogInput::Remove(DialogControl& control) {
  std::erase(controls_, &control);
  if (focused_ == &control) focused_ = nullptr;
  if (captured_ == &control) captured_ = nullptr;
}

void DialogInput::SetFocus(DialogControl* control) {
  if (control == focused_) return;
  DialogControl* const previous = focused_;
  focused_ = control;
  if (previous != nullptr) previous->FocusChanged();
  if (focused_ != nullptr) focused_->FocusChanged();
}

void DialogInput::FocusFirst() {
  if (focused_ == nullptr) MoveFocus(true);
}

DialogControl* DialogInput::ControlAt(int x, int y) const {
  // Later controls lie above earlier ones: a frame's children above it.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    DialogControl* const control = *it;
    if (control->TakesMouse() && control->Usable() && control->Bounds().Contains(x, y)) {
      return control;
    }
  }
  return nullptr;
}

bool DialogInput::MouseDown(int button, int x, int y) {
  if (captured_ != nullptr) return true;
  DialogControl* const control = ControlAt(x, y);
  if (control == nullptr) return false;
  if (button != 1) return true;
  captured_ = control;
  SetFocus(control);
  control->MouseDown(x, y);
  return true;
}

bool DialogInput::MouseMove(int x, int y) {
  DialogControl* const control = captured_ != nullptr ? captured_ : ControlAt(x, y);
  if (control == nullptr) return false;
  control->MouseMove(x, y);
  return true;
}

bool DialogInput::MouseUp(int button, int x, int y) {
  if (captured_ == nullptr) return ControlAt(x, y) != nullptr;
  if (button != 1) return true;
  DialogControl* const control = captured_;
  captured_ = nullptr;
  control->MouseUp(x, y);
  return true;
}

void DialogInput::MoveFocus(bool forward) {
  const auto count = static_cast<std::ptrdiff_t>(controls_.size());
  if (count == 0) return;
  const auto at = std::find(controls_.begin(), controls_.end(), focused_);
  std::ptrdiff_t index = at == controls_.end() ? (forward ? -1 : count) : at - controls_.begin();
  for (std::ptrdiff_t step = 0; step < count; ++step) {
    index = ((forward ? index + 1 : index - 1) + count) % count;
    DialogControl* const candidate = controls_[static_cast<std::size_t>(index)];
    if (candidate->TabStop() && candidate->Usable()) {
      SetFocus(candidate);
      return;
    }
  }
}

bool DialogInput::PressButton(bool isDefault) {
  for (DialogControl* control : controls_) {
    const bool wanted = isDefault ? control->IsDefaultButton() : control->IsCancelButton();
    if (wanted && control->Usable()) {
      control->Press();
      return true;
    }
  }
  return false;
}

bool DialogInput::AccessKey(int keyCode) {
  const auto at = std::find_if(controls_.begin(), controls_.end(), [&](const DialogControl* c) {
    return c->AccessKey() != '\0' && c->AccessKey() == keyCode && c->Usable();
  });
  if (at == controls_.end()) return false;
  DialogControl* const control = *at;
  if (!control->TabStop()) {
    // A frame's key leads to the first control after it.
    const auto next = std::find_if(std::next(at), controls_.end(), [](const DialogControl* c) {
      return c->TabStop() && c->Usable();
    });
    if (next != controls_.end()) SetFocus(*next);
    return true;
  }
  SetFocus(control);
  control->Press();
  return true;
}

bool DialogInput::Navigate(int keyCode, int shift) {
  if ((shift & kAltMask) != 0) return keyCode >= 'A' && keyCode <= 'Z' && AccessKey(keyCode);
  switch (keyCode) {
    case kKeyTab:
      MoveFocus((shift & kShiftMask) == 0);
      return true;
    case kKeyReturn:
      if (focused_ != nullptr && focused_->IsButton()) {
        focused_->Press();
        return true;
      }
      return PressButton(true);
    case kKeyEscape:
      return PressButton(false);
    case kKeySpace:
      if (focused_ == nullptr) return false;
      focused_->Press();
      return true;
    default:
      return focused_ != nullptr && focused_->KeyDown(keyCode);
  }
}

bool DialogInput::KeyDown(int keyCode, int shift) {
  if (controls_.empty()) return false;
  swallowPress_ = Navigate(keyCode, shift);
  return swallowPress_;
}

bool DialogInput::KeyPress(int /*keyAscii*/) {
  const bool swallow = swallowPress_;
  swallowPress_ = false;
  return swallow;
}

}  // namespace talvora
