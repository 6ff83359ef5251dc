#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace talvora {

// Input and window changes as a live display reports them, in window pixels.
struct DisplayEvent {
  enum class Kind {
    kKeyDown,    // keyCode: a Windows virtual-key code; shift
    kKeyPress,   // character: a code page 1252 character
    kMouseMove,  // button (the buttons held), shift, x, y
    kMouseDown,  // button, shift, x, y
    kMouseUp,    // button, shift, x, y
    kClick,
    kDblClick,
    kClose,   // closed from outside: the window's close control, a signal
    kResize,  // width, height: the drawing area's new size
    kExpose,  // what was shown is lost and must be presented again
  };

  Kind kind = Kind::kExpose;
  int keyCode = 0;
  int character = 0;
  int button = 0;
  int shift = 0;
  double x = 0;
  double y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const DisplayEvent&, const DisplayEvent&) = default;
};

// Mouse buttons and shift keys, as the forms' events number them.
inline constexpr int kLeftButtonMask = 1;
inline constexpr int kRightButtonMask = 2;
inline constexpr int kMiddleButtonMask = 4;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Where a live host shows the forms: a window of the desktop that reports
// input and shows 32-bit pixels (0x00RRGGBB, rows top to bottom).
class LiveDisplay {
 public:
  virtual ~LiveDisplay() = default;
  // Waits until something happens or `timeoutMs` milliseconds have passed
  // (-1: no limit) and returns what happened, oldest first; may be empty.
  virtual std::vector<DisplayEvent> WaitForEvents(std::int64_t timeoutMs) = 0;
  // The drawing area's size now.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Shows a frame of the drawing area's size.
  virtual void Present(std::span<const std::uint32_t> pixels, int width, int height) = 0;
};

}  // namespace talvora
