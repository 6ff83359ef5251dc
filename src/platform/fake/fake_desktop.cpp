#include "platform/fake/fake_desktop.h"

#include "platform/fake/call_json.h"

namespace talvora {
namespace {

std::string RectJson(const std::optional<WindowRect>& rect) {
  if (!rect) return "null";
  return ArgsJson(rect->left, rect->top, rect->right, rect->bottom);
}

}  // namespace

FakeDesktop::FakeDesktop(std::int32_t desktopWidth, std::int32_t desktopHeight)
    : desktop_{0, 0, desktopWidth, desktopHeight} {}

void FakeDesktop::SetOtherWindowsClientSize(std::int32_t width, std::int32_t height) {
  otherWidth_ = width;
  otherHeight_ = height;
}

WindowHandle FakeDesktop::ParentOf(WindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? 0 : found->second.parent;
}

std::int32_t FakeDesktop::StyleOf(WindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? 0 : found->second.style;
}

void FakeDesktop::RecordCall(std::string_view fn, const std::string& args, std::int64_t ret) {
  if (tracer_ == nullptr) return;
  tracer_->Record("call", {{"fn", fn}, {"args", RawJson{args}}, {"ret", ret}});
}

WindowHandle FakeDesktop::GetDesktopWindow() {
  RecordCall("GetDesktopWindow", "[]", kDesktopWindow);
  return kDesktopWindow;
}

std::optional<WindowRect> FakeDesktop::GetWindowRect(WindowHandle window) {
  std::optional<WindowRect> rect;
  if (window == kDesktopWindow) {
    rect = desktop_;
  } else if (window != 0) {
    rect = WindowRect{0, 0, otherWidth_, otherHeight_};
  }
  if (tracer_ != nullptr) {
    tracer_->Record("call", {{"fn", "GetWindowRect"},
                             {"args", RawJson{ArgsJson(window)}},
                             {"ret", rect.has_value()},
                             {"rect", RawJson{RectJson(rect)}}});
  }
  return rect;
}

std::optional<WindowRect> FakeDesktop::GetClientRect(WindowHandle window) {
  std::optional<WindowRect> rect;
  if (window == kDesktopWindow) {
    rect = WindowRect{0, 0, desktop_.right - desktop_.left, desktop_.bottom - desktop_.top};
  } else if (window != 0) {
    rect = WindowRect{0, 0, otherWidth_, otherHeight_};
  }
  if (tracer_ != nullptr) {
    tracer_->Record("call", {{"fn", "GetClientRect"},
                             {"args", RawJson{ArgsJson(window)}},
                             {"ret", rect.has_value()},
                             {"rect", RawJson{RectJson(rect)}}});
  }
  return rect;
}

std::int32_t FakeDesktop::GetWindowLong(WindowHandle window, std::int32_t index) {
  const std::int32_t value = index == kGwlStyle ? StyleOf(window) : 0;
  RecordCall("GetWindowLongA", ArgsJson(window, index), value);
  return value;
}

std::int32_t FakeDesktop::SetWindowLong(WindowHandle window, std::int32_t index,
                                        std::int64_t value) {
  WindowState& state = windows_[window];
  std::int32_t previous = 0;
  if (index == kGwlStyle) {
    previous = state.style;
    state.style = static_cast<std::int32_t>(value);
  } else if (index == kGwlHwndParent) {
    previous = static_cast<std::int32_t>(state.parent);
    state.parent = value;
  }
  RecordCall("SetWindowLongA", ArgsJson(window, index, value), previous);
  return previous;
}

WindowHandle FakeDesktop::SetParent(WindowHandle child, WindowHandle parent) {
  WindowState& state = windows_[child];
  const WindowHandle previous = state.parent;
  state.parent = parent;
  RecordCall("SetParent", ArgsJson(child, parent), previous);
  return previous;
}

bool FakeDesktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                               std::int32_t y, std::int32_t width, std::int32_t height,
                               std::uint32_t flags) {
  RecordCall("SetWindowPos", ArgsJson(window, insertAfter, x, y, width, height, flags), 1);
  return true;
}

int FakeDesktop::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  RecordCall("ShowCursor", ArgsJson(show ? 1 : 0), cursorCount_);
  return cursorCount_;
}

std::int32_t FakeDesktop::VerifyScreenSavePwd(WindowHandle window) {
  bool right = true;
  if (!passwordAnswers_.empty()) {
    right = passwordAnswers_.front();
    passwordAnswers_.pop_front();
  }
  RecordCall("VerifyScreenSavePwd", ArgsJson(window), right ? 1 : 0);
  return right ? 1 : 0;
}

std::int32_t FakeDesktop::PwdChangePassword(std::string_view keyName, WindowHandle parent) {
  RecordCall("PwdChangePasswordA", ArgsJson(keyName, parent, 0, 0), 1);
  return 1;
}

bool FakeDesktop::SystemParametersInfo(std::uint32_t action, std::uint32_t parameter) {
  RecordCall("SystemParametersInfoA", ArgsJson(action, parameter, "&scratch", 0), 1);
  return true;
}

}  // namespace talvora
