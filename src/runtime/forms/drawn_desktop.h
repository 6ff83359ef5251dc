#pragma once

#include <vector>

#include "runtime/forms/forms_runtime.h"
#include "runtime/graphics/surface.h"

namespace talvora {

class Form;

// The windows of forms on a screen the program draws itself (the headless
// host's, a Linux window): shown forms are placed as their style asks,
// framed dialogs get drawn frames, everything is composed into one picture,
// and the mouse goes to the form it is over. The form shown last lies on
// top and is the active one; while it is up the forms beneath take no input,
// as a modal dialog's owner takes none.
class DrawnDesktop final : public WindowSystem {
 public:
  DrawnDesktop(FormsRuntime& runtime, const PixelRect& screen);
  ~DrawnDesktop() override;
  DrawnDesktop(const DrawnDesktop&) = delete;
  DrawnDesktop& operator=(const DrawnDesktop&) = delete;

  const PixelRect& Screen() const { return screen_; }
  void SetScreen(const PixelRect& screen) { screen_ = screen; }

  void FormShown(Form& form) override;
  void FormHidden(Form& form) override;
  void FormUnloaded(Form& form) override;

  // The shown forms from the bottom to the top.
  const std::vector<Form*>& Stack() const { return stack_; }
  Form* Top() const { return stack_.empty() ? nullptr : stack_.back(); }
  // A form's window on the screen: its client area, with the frame for a
  // framed form.
  static PixelRect WindowBounds(const Form& form);

  // Draws every shown form, frames included, bottom first, onto a picture
  // of the screen whose top-left corner is the screen point (originX, originY).
  void Compose(Surface& picture, int originX = 0, int originY = 0) const;

  // The mouse at a screen point: the top form's client area gets it as the
  // form's own event, its close box closes it; the forms beneath get nothing.
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  // A click or double click completes the press the client area got.
  void Click();
  void DblClick();

 private:
  void Place(Form& form) const;

  FormsRuntime& runtime_;
  PixelRect screen_;
  std::vector<Form*> stack_;
  Form* pressed_ = nullptr;    // the form whose client area got the press
  Form* closeHeld_ = nullptr;  // the form whose close box is held down
  bool closeOver_ = false;     // the pointer is over that close box
};

}  // namespace talvora
