#pragma once

#include "platform/win32/windows_api.h"
#include "platform/window_services.h"
#include "runtime/graphics/surface.h"

namespace talvora {

class Form;

// The real window of a form: a borderless popup without a taskbar button,
// made hidden, for start-up to place and show. Input reaches the attached
// form as its events, a close request asks the form to unload, and painting
// shows the form's last composed pixels.
class FormWindow {
 public:
  static constexpr int kIconResource = 1;

  FormWindow();
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  WindowHandle Handle() const;
  // False once the window is gone, destroyed by us or from outside (a
  // preview's parent takes its children with it).
  bool Alive() const { return hwnd_ != nullptr; }

  // The form input goes to; its caption becomes the window's text.
  void Attach(Form& form);
  // Composes the form, with its child windows, and shows the result now.
  void Present();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
  void Close();
  void Blit(HDC dc) const;

  HWND hwnd_ = nullptr;
  Form* form_ = nullptr;
  Surface frame_;
  bool leftPressed_ = false;
};

}  // namespace talvora
