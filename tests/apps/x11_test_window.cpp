// A window for the talvora tests to draw into, as XScreenSaver makes one:
// x11_test_window WIDTH HEIGHT maps a window of that size filled with pure
// red, prints its id in decimal, and stays until it is killed.

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: x11_test_window WIDTH HEIGHT\n");
    return 2;
  }
  const auto width = static_cast<unsigned>(std::atoi(argv[1]));
  const auto height = static_cast<unsigned>(std::atoi(argv[2]));
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "x11_test_window: cannot open the display\n");
    return 1;
  }
  constexpr unsigned long kRed = 0xFF0000;
  const Window window =
      XCreateSimpleWindow(display, XDefaultRootWindow(display), 0, 0, width, height, 0, 0, kRed);
  XStoreName(display, window, "talvora test window");
  XSelectInput(display, window, StructureNotifyMask);
  XMapWindow(display, window);
  XEvent event{};
  do {
    XNextEvent(display, &event);
  } while (event.type != MapNotify);
  std::printf("%lu\n", window);
  std::fflush(stdout);
  for (;;) pause();
}
