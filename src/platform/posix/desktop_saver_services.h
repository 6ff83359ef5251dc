#pragma once

#include "platform/saver_services.h"

namespace talvora {

// The saver services of a Linux desktop. There is no screen-saver password
// service: the desktop's own locker guards the session, so a check counts as
// passed and a password change does nothing. The cursor display count is
// kept here; the pointer shows while it is 0 or more, as on Windows.
class DesktopSaverServices : public SaverServices {
 public:
  int ShowCursor(bool show) override {
    const bool wasShown = cursorCount_ >= 0;
    cursorCount_ += show ? 1 : -1;
    if ((cursorCount_ >= 0) != wasShown) ShowPointer(cursorCount_ >= 0);
    return cursorCount_;
  }
  std::int32_t VerifyScreenSavePwd(WindowHandle /*window*/) override { return 1; }
  std::int32_t PwdChangePassword(std::string_view /*keyName*/, WindowHandle /*parent*/) override {
    return 0;
  }
  bool SystemParametersInfo(std::uint32_t /*action*/, std::uint32_t /*parameter*/) override {
    return true;
  }

  int CursorCount() const { return cursorCount_; }

 protected:
  // Shows or hides the pointer over the saver's window.
  virtual void ShowPointer(bool shown) = 0;

 private:
  int cursorCount_ = 0;
};

}  // namespace talvora
