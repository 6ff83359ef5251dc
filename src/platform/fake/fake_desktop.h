#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>

#include "common/tracer.h"
#include "platform/saver_services.h"
#include "platform/window_services.h"

namespace talvora {

// The operating system as the headless host plays it: a desktop of a given
// size, preview parent windows with given client areas, a cursor display
// count, and password answers given in advance. Every call is recorded as a
// trace record {"op":"call","fn":NAME,"args":[...],"ret":R}.
class FakeDesktop final : public WindowServices, public SaverServices {
 public:
  static constexpr WindowHandle kDesktopWindow = 0x10010;

  FakeDesktop(std::int32_t desktopWidth, std::int32_t desktopHeight);

  void SetTracer(Tracer* tracer) { tracer_ = tracer; }
  // Every window that is not the desktop reports this client area.
  void SetOtherWindowsClientSize(std::int32_t width, std::int32_t height);
  // What successive password checks answer; once used up, they pass.
  void SetPasswordAnswers(std::deque<bool> answers) { passwordAnswers_ = std::move(answers); }

  int CursorCount() const { return cursorCount_; }
  WindowHandle ParentOf(WindowHandle window) const;
  std::int32_t StyleOf(WindowHandle window) const;

  WindowHandle GetDesktopWindow() override;
  std::optional<WindowRect> GetWindowRect(WindowHandle window) override;
  std::optional<WindowRect> GetClientRect(WindowHandle window) override;
  std::int32_t GetWindowLong(WindowHandle window, std::int32_t index) override;
  std::int32_t SetWindowLong(WindowHandle window, std::int32_t index, std::int64_t value) override;
  WindowHandle SetParent(WindowHandle child, WindowHandle parent) override;
  bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags) override;

  int ShowCursor(bool show) override;
  std::int32_t VerifyScreenSavePwd(WindowHandle window) override;
  std::int32_t PwdChangePassword(std::string_view keyName, WindowHandle parent) override;
  bool SystemParametersInfo(std::uint32_t action, std::uint32_t parameter) override;

 private:
  struct WindowState {
    std::int32_t style = 0;
    WindowHandle parent = 0;
  };

  void RecordCall(std::string_view fn, const std::string& args, std::int64_t ret);

  Tracer* tracer_ = nullptr;
  WindowRect desktop_;
  std::int32_t otherWidth_ = 0;
  std::int32_t otherHeight_ = 0;
  std::map<WindowHandle, WindowState> windows_;
  int cursorCount_ = 0;
  std::deque<bool> passwordAnswers_;
};

}  // namespace talvora
