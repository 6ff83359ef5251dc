#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/live_display.h"
#include "platform/posix/desktop_saver_services.h"
#include "platform/window_services.h"

namespace talvora {

// Draws into an X11 window someone else made (XScreenSaver's, a preview's,
// the root window) with plain Xlib: the frame goes up with XPutImage, the
// size follows the window's, and SIGTERM, SIGINT or the window's end close
// the display. Input stays with whoever owns the window.
class X11WindowDisplay final : public LiveDisplay,
                               public WindowServices,
                               public DesktopSaverServices {
 public:
  // Opens $DISPLAY and the window (nullopt: the root window); nullptr, with
  // `error` saying why, when either cannot be opened.
  static std::unique_ptr<X11WindowDisplay> Open(std::optional<WindowHandle> window,
                                                std::string& error);
  ~X11WindowDisplay() override;
  X11WindowDisplay(const X11WindowDisplay&) = delete;
  X11WindowDisplay& operator=(const X11WindowDisplay&) = delete;

  // The window drawn into.
  WindowHandle Target() const;

  std::vector<DisplayEvent> WaitForEvents(std::int64_t timeoutMs) override;
  int Width() const override;
  int Height() const override;
  void Present(std::span<const std::uint32_t> pixels, int width, int height) override;
  // The window is its owner's: it keeps its frame, its place and its pointer.
  void ShowAsDialogWindow(const DialogWindowRequest& /*request*/) override {}
  void SetDragArea(const DisplayRect& /*area*/) override {}
  void SetPointer(const PointerImage* /*image*/) override {}

  WindowHandle GetDesktopWindow() override;
  std::optional<WindowRect> GetWindowRect(WindowHandle window) override;
  std::optional<WindowRect> GetClientRect(WindowHandle window) override;
  std::int32_t GetWindowLong(WindowHandle window, std::int32_t index) override;
  std::int32_t SetWindowLong(WindowHandle window, std::int32_t index, std::int64_t value) override;
  WindowHandle SetParent(WindowHandle child, WindowHandle parent) override;
  bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags) override;

 private:
  struct Connection;

  explicit X11WindowDisplay(std::unique_ptr<Connection> connection);
  void ShowPointer(bool /*shown*/) override {}  // the pointer is the window owner's

  std::unique_ptr<Connection> x_;
  std::int32_t style_ = 0;
};

}  // namespace talvora
