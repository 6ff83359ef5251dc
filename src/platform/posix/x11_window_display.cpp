#include "platform/posix/x11_window_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

namespace talvora {
namespace {

// The window may go away under us at any time (a preview closing); the
// requests that then fail are of no interest, and DestroyNotify ends the run.
int IgnoreXError(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

struct ChannelMask {
  unsigned long mask;
  int shift;
  unsigned long maximum;
};

ChannelMask Channel(unsigned long mask) {
  const int shift = mask == 0 ? 0 : std::countr_zero(mask);
  return {mask, shift, mask >> shift};
}

unsigned long Scaled(std::uint32_t value, const ChannelMask& channel) {
  return ((value * channel.maximum + 127) / 255) << channel.shift;
}

}  // namespace

// The connection, the window, and what drawing into it needs; released in
// reverse order of being made.
struct X11WindowDisplay::Connection {
  Display* display = nullptr;
  ::Window window = 0;
  Visual* visual = nullptr;
  int depth = 0;
  int width = 0;
  int height = 0;
  GC gc = nullptr;
  XImage* image = nullptr;
  std::vector<char> imageBytes;
  int signals = -1;
  sigset_t blockedBefore{};

  Connection() = default;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection() {
    DropImage();
    if (gc != nullptr) XFreeGC(display, gc);
    if (display != nullptr) XCloseDisplay(display);
    if (signals >= 0) {
      close(signals);
      sigprocmask(SIG_SETMASK, &blockedBefore, nullptr);
    }
  }

  void DropImage() {
    if (image == nullptr) return;
    image->data = nullptr;  // the bytes are ours
    XDestroyImage(image);
    image = nullptr;
  }

  bool MakeImage(int w, int h) {
    DropImage();
    image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                         static_cast<unsigned>(w), static_cast<unsigned>(h), 32, 0);
    if (image == nullptr) return false;
    imageBytes.assign(static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(h),
                      0);
    image->data = imageBytes.data();
    return true;
  }

  // True when the image holds 0x00RRGGBB pixels as they are in memory here.
  bool NativeLayout() const {
    return image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 &&
           image->green_mask == 0xFF00 && image->blue_mask == 0xFF &&
           image->byte_order == (std::endian::native == std::endian::little ? LSBFirst : MSBFirst);
  }

  void Fill(std::span<const std::uint32_t> pixels, int w, int h) {
    if (NativeLayout()) {
      for (int y = 0; y < h; ++y) {
        std::memcpy(imageBytes.data() + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line,
                    pixels.data() + static_cast<std::ptrdiff_t>(y) * w,
                    static_cast<std::size_t>(w) * sizeof(std::uint32_t));
      }
      return;
    }
    const ChannelMask red = Channel(image->red_mask);
    const ChannelMask green = Channel(image->green_mask);
    const ChannelMask blue = Channel(image->blue_mask);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                                       static_cast<std::size_t>(x)];
        XPutPixel(image, x, y,
                  Scaled((p >> 16) & 0xFF, red) | Scaled((p >> 8) & 0xFF, green) |
                      Scaled(p & 0xFF, blue));
      }
    }
  }
};

std::unique_ptr<X11WindowDisplay> X11WindowDisplay::Open(std::optional<WindowHandle> window,
                                                         std::string& error) {
  auto x = std::make_unique<Connection>();
  x->display = XOpenDisplay(nullptr);
  if (x->display == nullptr) {
    error = "cannot open the X display (is DISPLAY set?)";
    return nullptr;
  }
  XSetErrorHandler(IgnoreXError);
  x->window = window ? static_cast<::Window>(*window) : XDefaultRootWindow(x->display);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(x->display, x->window, &attributes) == 0) {
    error = "no X window " + std::to_string(x->window);
    return nullptr;
  }
  x->visual = attributes.visual;
  x->depth = attributes.depth;
  x->width = attributes.width;
  x->height = attributes.height;
  XSelectInput(x->display, x->window, StructureNotifyMask | ExposureMask);
  x->gc = XCreateGC(x->display, x->window, 0, nullptr);

  // Killing the saver is how its owner ends it: read the signals as events.
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  sigprocmask(SIG_BLOCK, &ending, &x->blockedBefore);
  x->signals = signalfd(-1, &ending, SFD_CLOEXEC | SFD_NONBLOCK);
  if (x->signals < 0) {
    sigprocmask(SIG_SETMASK, &x->blockedBefore, nullptr);
    error = "cannot watch for SIGTERM";
    return nullptr;
  }
  return std::unique_ptr<X11WindowDisplay>(new X11WindowDisplay(std::move(x)));
}

X11WindowDisplay::X11WindowDisplay(std::unique_ptr<Connection> connection)
    : x_(std::move(connection)) {}

X11WindowDisplay::~X11WindowDisplay() = default;

WindowHandle X11WindowDisplay::Target() const { return static_cast<WindowHandle>(x_->window); }
int X11WindowDisplay::Width() const { return x_->width; }
int X11WindowDisplay::Height() const { return x_->height; }

std::vector<DisplayEvent> X11WindowDisplay::WaitForEvents(std::int64_t timeoutMs) {
  using Kind = DisplayEvent::Kind;
  std::vector<DisplayEvent> events;
  XFlush(x_->display);
  if (XPending(x_->display) == 0) {
    std::array<pollfd, 2> watched{
        {{XConnectionNumber(x_->display), POLLIN, 0}, {x_->signals, POLLIN, 0}}};
    const int timeout = static_cast<int>(std::min<std::int64_t>(timeoutMs, INT_MAX));
    poll(watched.data(), watched.size(), timeout);
  }
  signalfd_siginfo signal;
  while (read(x_->signals, &signal, sizeof signal) == sizeof signal) {
    events.push_back({.kind = Kind::kClose});
  }
  while (XPending(x_->display) > 0) {
    XEvent event;
    XNextEvent(x_->display, &event);
    if (event.type == ConfigureNotify && event.xconfigure.window == x_->window &&
        (event.xconfigure.width != x_->width || event.xconfigure.height != x_->height)) {
      x_->width = event.xconfigure.width;
      x_->height = event.xconfigure.height;
      events.push_back({.kind = Kind::kResize, .width = x_->width, .height = x_->height});
    } else if (event.type == Expose && event.xexpose.count == 0) {
      events.push_back({.kind = Kind::kExpose});
    } else if (event.type == DestroyNotify && event.xdestroywindow.window == x_->window) {
      events.push_back({.kind = Kind::kClose});
    }
  }
  return events;
}

void X11WindowDisplay::Present(std::span<const std::uint32_t> pixels, int width, int height) {
  if (width <= 0 || height <= 0) return;
  if (x_->image == nullptr || x_->image->width != width || x_->image->height != height) {
    if (!x_->MakeImage(width, height)) return;
  }
  x_->Fill(pixels, width, height);
  XPutImage(x_->display, x_->window, x_->gc, x_->image, 0, 0, 0, 0, static_cast<unsigned>(width),
            static_cast<unsigned>(height));
  XFlush(x_->display);
}

WindowHandle X11WindowDisplay::GetDesktopWindow() {
  return static_cast<WindowHandle>(XDefaultRootWindow(x_->display));
}

std::optional<WindowRect> X11WindowDisplay::GetWindowRect(WindowHandle window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(x_->display, static_cast<::Window>(window), &attributes) == 0) {
    return std::nullopt;
  }
  return WindowRect{attributes.x, attributes.y, attributes.x + attributes.width,
                    attributes.y + attributes.height};
}

std::optional<WindowRect> X11WindowDisplay::GetClientRect(WindowHandle window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(x_->display, static_cast<::Window>(window), &attributes) == 0) {
    return std::nullopt;
  }
  return WindowRect{0, 0, attributes.width, attributes.height};
}

// The saver draws straight into the target window: placing "its" window
// changes nothing on the screen, and only the style is remembered.
std::int32_t X11WindowDisplay::GetWindowLong(WindowHandle /*window*/, std::int32_t index) {
  return index == kGwlStyle ? style_ : 0;
}

std::int32_t X11WindowDisplay::SetWindowLong(WindowHandle /*window*/, std::int32_t index,
                                             std::int64_t value) {
  if (index != kGwlStyle) return 0;
  const std::int32_t previous = style_;
  style_ = static_cast<std::int32_t>(value);
  return previous;
}

WindowHandle X11WindowDisplay::SetParent(WindowHandle /*child*/, WindowHandle /*parent*/) {
  return 0;
}

bool X11WindowDisplay::SetWindowPos(WindowHandle /*window*/, WindowHandle /*insertAfter*/,
                                    std::int32_t /*x*/, std::int32_t /*y*/, std::int32_t /*width*/,
                                    std::int32_t /*height*/, std::uint32_t /*flags*/) {
  return true;
}

}  // namespace talvora
