#pragma once

#include <memory>
#include <vector>

#include "assets/pictures.h"
#include "host/win32/form_window.h"
#include "runtime/forms/forms_runtime.h"

namespace talvora {

// The real windows of the dialogs: each form shown with a dialog frame gets
// a top-level window of its own, placed as its style asks, owned so that
// only a form shown in the task bar has a button there, and disabled while
// a modal form shown after it is up. Borderless forms (the saver's) keep the
// window the host made for them.
class Win32WindowSystem final : public WindowSystem {
 public:
  // `hand` is the pointer forms ask for over links; without pixels the
  // arrow stands for it.
  Win32WindowSystem(FormsRuntime& runtime, const CursorPicture& hand);
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  void FormShown(Form& form) override;
  void FormHidden(Form& form) override;
  void FormUnloaded(Form& form) override;
  void PointerChanged(Form& form) override;
  WindowHandle HandleOf(const Form& form) const override;

  // Composes every dialog and shows it in its window.
  void Present();
  // Frees the windows of forms that went, once no message of theirs is
  // still being handled.
  void ReleaseClosed();

 private:
  struct Shown {
    Form* form;
    std::unique_ptr<FormWindow> window;
  };
  class Cursor {
   public:
    explicit Cursor(const CursorPicture& picture);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;
    HCURSOR Get() const { return cursor_; }

   private:
    HCURSOR cursor_ = nullptr;
  };

  const Shown* Find(const Form& form) const;
  HWND OwnerFor(const Form& form) const;
  void Place(const Form& form, HWND window) const;
  void UpdateEnabled() const;

  FormsRuntime& runtime_;
  const Cursor hand_;
  std::vector<Shown> shown_;  // in the order they were shown
  std::vector<std::unique_ptr<FormWindow>> closed_;
};

}  // namespace talvora
