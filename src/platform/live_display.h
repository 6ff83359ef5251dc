#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/input_state.h"

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

// A rectangle of the window, in window pixels.
struct DisplayRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const DisplayRect&, const DisplayRect&) = default;
};

// A dialog's own window: no frame from the window manager (the dialog draws
// its own), `width` x `height` with that frame, centred on the screen, the
// title (UTF-8) named in the task bar.
struct DialogWindowRequest {
  int width = 0;
  int height = 0;
  std::string title;

  friend bool operator==(const DialogWindowRequest&, const DialogWindowRequest&) = default;
};

// A monochrome pointer drawn as Windows draws one: each screen pixel becomes
// (screen AND mask) XOR image. Pixels are row by row, true for white.
struct PointerImage {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  std::vector<bool> mask;
  std::vector<bool> image;

  friend bool operator==(const PointerImage&, const PointerImage&) = default;
};

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

  // Makes the display a dialog's window and shows it; its size is the
  // request's from then on.
  virtual void ShowAsDialogWindow(const DialogWindowRequest& request) = 0;
  // Where pressing the mouse and dragging moves the window (a drawn caption
  // bar); an empty rectangle: nowhere, the mouse goes to the program.
  virtual void SetDragArea(const DisplayRect& area) = 0;
  // The pointer over the window: that picture, or the system's arrow for
  // nullptr.
  virtual void SetPointer(const PointerImage* image) = 0;
};

}  // namespace talvora
