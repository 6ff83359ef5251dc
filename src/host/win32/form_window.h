#pragma once

#include "platform/win32/windows_api.h"
#include "platform/window_services.h"
#include "runtime/graphics/surface.h"

namespace talvora {

class Form;

// The real window of a form. Input reaches the attached form as its events,
// a close request asks the form to unload, and painting shows the form's
// last composed pixels.
class FormWindow {
 public:
  static constexpr int kIconResource = 1;

  // The saver's window: a borderless popup without a taskbar button, made
  // hidden, for start-up to place and show.
  FormWindow();
  // A dialog's window for the form: a fixed dialog frame with caption and
  // close box around a client area of the form's size, made hidden. An
  // owned window has no taskbar button; one without an owner has its own.
  // `hand` is the cursor shown while the form asks for the hand pointer.
  FormWindow(Form& form, HWND owner, HCURSOR hand);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  WindowHandle Handle() const;
  HWND Hwnd() const { return hwnd_; }
  // False once the window is gone, destroyed by us or from outside (a
  // preview's parent takes its children with it).
  bool Alive() const { return hwnd_ != nullptr; }
  // True while one of the window's messages is being handled, however deep
  // down the stack: the object must outlive that.
  bool Busy() const { return depth_ > 0; }

  // The form input goes to; its caption becomes the window's text.
  void Attach(Form& form);
  // The form is going: nothing reaches it any more.
  void Detach() { form_ = nullptr; }
  // Composes the form, with its child windows, and shows the result now.
  void Present();
  // Shows the pointer the form asks for at once, when the mouse is over the
  // client area.
  void ShowPointer() const;
  // Destroys the window; the object stays until it is no longer busy.
  void Destroy();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool FormTakesInput() const;
  HCURSOR PointerCursor() const;
  void Close();
  void Blit(HDC dc) const;

  HWND hwnd_ = nullptr;
  Form* form_ = nullptr;
  const bool framed_ = false;
  HCURSOR hand_ = nullptr;
  int depth_ = 0;
  Surface frame_;
  bool leftPressed_ = false;
};

}  // namespace talvora
