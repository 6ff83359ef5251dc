#pragma once

#include <cstdint>
#include <optional>

namespace talvora {

// A window of the operating system, by its handle value (HWND on Windows,
// an X11 window id on Linux).
using WindowHandle = std::int64_t;

// A window rectangle as Windows reports it: right and bottom are exclusive.
struct WindowRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

inline constexpr std::int32_t kGwlStyle = -16;
inline constexpr std::int32_t kGwlHwndParent = -8;
inline constexpr std::int32_t kWsChild = 0x40000000;
inline constexpr WindowHandle kHwndTop = 0;
inline constexpr WindowHandle kHwndTopmost = -1;
inline constexpr std::uint32_t kSwpNoZOrder = 0x0004;
inline constexpr std::uint32_t kSwpNoActivate = 0x0010;
inline constexpr std::uint32_t kSwpShowWindow = 0x0040;

// The window services start-up places the saver window with.
class WindowServices {
 public:
  virtual ~WindowServices() = default;
  virtual WindowHandle GetDesktopWindow() = 0;
  // nullopt when the call fails; the caller keeps what it had.
  virtual std::optional<WindowRect> GetWindowRect(WindowHandle window) = 0;
  virtual std::optional<WindowRect> GetClientRect(WindowHandle window) = 0;
  virtual std::int32_t GetWindowLong(WindowHandle window, std::int32_t index) = 0;
  virtual std::int32_t SetWindowLong(WindowHandle window, std::int32_t index,
                                     std::int64_t value) = 0;
  virtual WindowHandle SetParent(WindowHandle child, WindowHandle parent) = 0;
  virtual bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                            std::int32_t y, std::int32_t width, std::int32_t height,
                            std::uint32_t flags) = 0;
};

}  // namespace talvora
