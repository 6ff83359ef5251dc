#pragma once

#include <vector>

namespace talvora {

class DialogControl;

// Routes a form's input to its dialog controls: the mouse to the control
// under the pointer (keeping it while a button is held), keys to the focused
// control, Tab and Shift+Tab through the controls in the order they were
// made, Enter and Escape to the default and cancel buttons, Alt+letter to
// access keys. Each call is true when a control took the input, so the form
// runs its own reaction only otherwise.
class DialogInput {
 public:
  void Add(DialogControl& control);
  void Remove(DialogControl& control);
  const std::vector<DialogControl*>& Controls() const { return controls_; }

  DialogControl* Focused() const { return focused_; }
  void SetFocus(DialogControl* control);
  // Gives the focus to the first control Tab would reach, when none has it.
  void FocusFirst();

  bool MouseDown(int button, int x, int y);
  bool MouseMove(int x, int y);
  bool MouseUp(int button, int x, int y);
  bool KeyDown(int keyCode, int shift);
  // A character from a key the controls used is swallowed.
  bool KeyPress(int keyAscii);

 private:
  DialogControl* ControlAt(int x, int y) const;
  void MoveFocus(bool forward);
  bool Navigate(int keyCode, int shift);
  bool PressButton(bool isDefault);
  bool AccessKey(int keyCode);

  std::vector<DialogControl*> controls_;
  DialogControl* focused_ = nullptr;
  DialogControl* captured_ = nullptr;
  bool swallowPress_ = false;
};

}  // namespace talvora
