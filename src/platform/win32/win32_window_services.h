#pragma once

#include "platform/window_services.h"

namespace talvora {

// The bounding rectangle of all monitors, in screen coordinates; its left
// and top are negative when a monitor lies left of or above the primary one.
WindowRect VirtualScreenRect();

// The user32 window services. Screen coordinates are given and taken
// relative to the virtual screen's top-left corner, so that a window placed
// at (0, 0) with the desktop's size covers every monitor: the desktop window
// reports the virtual screen's size, and a top-level window placed at (x, y)
// goes to the virtual screen's origin plus (x, y). Child windows keep their
// parent's client coordinates.
class Win32WindowServices final : public WindowServices {
 public:
  explicit Win32WindowServices(WindowRect virtualScreen) : virtualScreen_(virtualScreen) {}

  WindowHandle GetDesktopWindow() override;
  std::optional<WindowRect> GetWindowRect(WindowHandle window) override;
  std::optional<WindowRect> GetClientRect(WindowHandle window) override;
  std::int32_t GetWindowLong(WindowHandle window, std::int32_t index) override;
  // Adding WS_CHILD to a style also takes WS_POPUP away: a window cannot be
  // both, and a child that keeps WS_POPUP is not clipped to its parent.
  std::int32_t SetWindowLong(WindowHandle window, std::int32_t index, std::int64_t value) override;
  WindowHandle SetParent(WindowHandle child, WindowHandle parent) override;
  bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags) override;

 private:
  WindowRect virtualScreen_;
};

}  // namespace talvora
