#pragma once

#include <string>

#include "platform/input_state.h"
#include "runtime/forms/windowless_control.h"

namespace talvora {

class Form;
class Frame;

// A rectangle given in twips, as forms lay out their controls, in pixels.
PixelRect PixelsFromTwips(int left, int top, int width, int height);

// Virtual key codes as hosts deliver them.
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyArrowLeft = 37;
inline constexpr int kKeyArrowUp = 38;
inline constexpr int kKeyArrowRight = 39;
inline constexpr int kKeyArrowDown = 40;

// A control the user works with: it can be disabled, take the keyboard focus,
// and react to the mouse and keys its form routes to it. It sits on its form,
// directly or inside a frame; its bounds are given relative to that frame.
class DialogControl : public WindowlessControl {
 public:
  DialogControl(Form& form, Frame* frame, std::string name, PixelRect bounds);
  ~DialogControl() override;

  Form& OwnerForm() const { return form_; }
  // The frame the control is in, nullptr when directly on the form; the
  // option buttons of one frame (or of the form) make one group.
  const Frame* Group() const { return frame_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Focused() const;
  // Visible and enabled, with the frame it is in.
  bool Usable() const;

  // Whether Tab stops here; any control that takes the mouse takes the
  // focus when clicked.
  virtual bool TabStop() const { return true; }
  virtual bool TakesMouse() const { return true; }
  // The access key in upper case, '\0' when none.
  virtual char AccessKey() const { return '\0'; }
  virtual bool IsDefaultButton() const { return false; }
  virtual bool IsCancelButton() const { return false; }
  // A command button: Enter presses it while it has the focus.
  virtual bool IsButton() const { return false; }

  // Input routed by the form; points are form pixels. A press is what Space,
  // Enter on a default button, or the access key does. Mouse moves come to
  // the control under the pointer, or to the one the held button belongs to.
  virtual void MouseDown(int /*x*/, int /*y*/) {}
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void MouseUp(int /*x*/, int /*y*/) {}
  // True when the control used the key.
  virtual bool KeyDown(int /*keyCode*/) { return false; }
  virtual void Press() {}

  // Called by the form as the focus comes or goes.
  void FocusChanged() { Changed(); }

 protected:
  bool Contains(int x, int y) const;
  // Records a new value of the control in the run time's trace.
  void TraceValue(std::int64_t value) const;

 private:
  Form& form_;
  Frame* frame_;
  bool enabled_ = true;
};

}  // namespace talvora
