#include "platform/posix/sdl_display.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

#include "common/text_encoding.h"

namespace talvora {
namespace {

// Keys whose Windows virtual-key code is not their letter or digit.
struct KeyCode {
  SDL_Keycode key;
  int virtualKey;
  int character;  // the key press a Windows window gets for it, 0 for none
};

constexpr std::array<KeyCode, 38> kKeyCodes = {{
    {SDLK_BACKSPACE, 0x08, 0x08}, {SDLK_TAB, 0x09, 0x09},      {SDLK_RETURN, 0x0D, 0x0D},
    {SDLK_KP_ENTER, 0x0D, 0x0D},  {SDLK_ESCAPE, 0x1B, 0x1B},   {SDLK_SPACE, 0x20, 0},
    {SDLK_LSHIFT, 0x10, 0},       {SDLK_RSHIFT, 0x10, 0},      {SDLK_LCTRL, 0x11, 0},
    {SDLK_RCTRL, 0x11, 0},        {SDLK_LALT, 0x12, 0},        {SDLK_RALT, 0x12, 0},
    {SDLK_PAUSE, 0x13, 0},        {SDLK_CAPSLOCK, 0x14, 0},    {SDLK_PAGEUP, 0x21, 0},
    {SDLK_PAGEDOWN, 0x22, 0},     {SDLK_END, 0x23, 0},         {SDLK_HOME, 0x24, 0},
    {SDLK_LEFT, 0x25, 0},         {SDLK_UP, 0x26, 0},          {SDLK_RIGHT, 0x27, 0},
    {SDLK_DOWN, 0x28, 0},         {SDLK_PRINTSCREEN, 0x2C, 0}, {SDLK_INSERT, 0x2D, 0},
    {SDLK_DELETE, 0x2E, 0},       {SDLK_LGUI, 0x5B, 0},        {SDLK_RGUI, 0x5C, 0},
    {SDLK_SEMICOLON, 0xBA, 0},    {SDLK_EQUALS, 0xBB, 0},      {SDLK_COMMA, 0xBC, 0},
    {SDLK_MINUS, 0xBD, 0},        {SDLK_PERIOD, 0xBE, 0},      {SDLK_SLASH, 0xBF, 0},
    {SDLK_BACKQUOTE, 0xC0, 0},    {SDLK_LEFTBRACKET, 0xDB, 0}, {SDLK_BACKSLASH, 0xDC, 0},
    {SDLK_RIGHTBRACKET, 0xDD, 0}, {SDLK_QUOTE, 0xDE, 0},
}};

// Keys without a code of their own here still reach the window, as this one.
constexpr int kUnmappedVirtualKey = 0xFF;

KeyCode Lookup(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return {key, static_cast<int>('A' + (key - SDLK_a)), 0};
  if (key >= SDLK_0 && key <= SDLK_9) return {key, static_cast<int>('0' + (key - SDLK_0)), 0};
  if (key >= SDLK_F1 && key <= SDLK_F12) return {key, 0x70 + (key - SDLK_F1), 0};
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return {key, 0x61 + (key - SDLK_KP_1), 0};
  if (key == SDLK_KP_0) return {key, 0x60, 0};
  const auto* found = std::ranges::find(kKeyCodes, key, &KeyCode::key);
  return found != kKeyCodes.end() ? *found : KeyCode{key, kUnmappedVirtualKey, 0};
}

int ShiftState(Uint16 mod) {
  int shift = 0;
  if ((mod & KMOD_SHIFT) != 0) shift |= kShiftMask;
  if ((mod & KMOD_CTRL) != 0) shift |= kCtrlMask;
  if ((mod & KMOD_ALT) != 0) shift |= kAltMask;
  return shift;
}

int ButtonMask(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return kLeftButtonMask;
    case SDL_BUTTON_RIGHT:
      return kRightButtonMask;
    case SDL_BUTTON_MIDDLE:
      return kMiddleButtonMask;
    default:
      return 0;
  }
}

int HeldButtons(Uint32 state) {
  int held = 0;
  if ((state & SDL_BUTTON_LMASK) != 0) held |= kLeftButtonMask;
  if ((state & SDL_BUTTON_RMASK) != 0) held |= kRightButtonMask;
  if ((state & SDL_BUTTON_MMASK) != 0) held |= kMiddleButtonMask;
  return held;
}

// The rectangle that holds every display: the whole X screen.
std::optional<WindowRect> AllDisplays() {
  const int count = SDL_GetNumVideoDisplays();
  std::optional<SDL_Rect> all;
  for (int display = 0; display < count; ++display) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display, &bounds) != 0) continue;
    if (all) {
      SDL_UnionRect(&*all, &bounds, &*all);
    } else {
      all = bounds;
    }
  }
  if (!all) return std::nullopt;
  return WindowRect{all->x, all->y, all->x + all->w, all->y + all->h};
}

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

// The window manager moves the window while the mouse drags its drag area.
SDL_HitTestResult HitDragArea(SDL_Window* /*window*/, const SDL_Point* point, void* data) {
  const auto& area = *static_cast<const DisplayRect*>(data);
  const bool inside = point->x >= area.left && point->x < area.left + area.width &&
                      point->y >= area.top && point->y < area.top + area.height;
  return inside ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

// SDL's monochrome cursor bits, rows padded to whole bytes, the leftmost
// pixel in the high bit. Where SDL's mask is set the pixel is painted black
// (data set) or white; elsewhere the screen shows through (data clear) or is
// inverted: Windows' AND mask and XOR image told the other way round.
SDL_Cursor* MonochromeCursor(const PointerImage& pointer) {
  const auto at = [](int index) { return static_cast<std::size_t>(index); };
  const int pixels = pointer.width * pointer.height;
  if (pointer.width <= 0 || pointer.mask.size() != at(pixels) ||
      pointer.image.size() != at(pixels)) {
    return nullptr;
  }
  const int rowBytes = (pointer.width + 7) / 8;
  std::vector<Uint8> data(at(rowBytes * pointer.height));
  std::vector<Uint8> mask(data.size());
  for (int y = 0; y < pointer.height; ++y) {
    for (int x = 0; x < pointer.width; ++x) {
      const std::size_t pixel = at(y * pointer.width + x);
      const std::size_t byte = at(y * rowBytes + x / 8);
      const auto bit = static_cast<Uint8>(0x80 >> (x % 8));
      const bool andWhite = pointer.mask[pixel];
      const bool xorWhite = pointer.image[pixel];
      if (!andWhite) mask[byte] |= bit;
      if (andWhite == xorWhite) data[byte] |= bit;
    }
  }
  return SDL_CreateCursor(data.data(), mask.data(), rowBytes * 8, pointer.height, pointer.hotX,
                          pointer.hotY);
}

}  // namespace

SdlDisplay::VideoSubsystem::~VideoSubsystem() { SDL_Quit(); }

void SdlDisplay::WindowDeleter::operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }

void SdlDisplay::CursorDeleter::operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }

std::unique_ptr<SdlDisplay> SdlDisplay::Open(const SdlWindowRequest& request, std::string& error) {
  // Ours is a screen saver too: it must not hold the desktop's own off.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The window surface stays the system's own: an accelerated one would have
  // SDL make the window anew for OpenGL as the first frame goes up.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = std::string("cannot start SDL video: ") + SDL_GetError();
    return nullptr;
  }
  auto video = std::make_unique<VideoSubsystem>();
  WindowRect desktop{0, 0, request.width, request.height};
  Uint32 flags = SDL_WINDOW_HIDDEN;
  int x = SDL_WINDOWPOS_CENTERED;
  int y = SDL_WINDOWPOS_CENTERED;
  if (request.fullScreen) {
    const auto all = AllDisplays();
    if (!all) {
      error = std::string("cannot read the display bounds: ") + SDL_GetError();
      return nullptr;
    }
    desktop = *all;
    x = desktop.left;
    y = desktop.top;
    flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
  }
  SDL_Window* window = SDL_CreateWindow(request.title.c_str(), x, y, desktop.right - desktop.left,
                                        desktop.bottom - desktop.top, flags);
  if (window == nullptr) {
    error = std::string("cannot open a window: ") + SDL_GetError();
    return nullptr;
  }
  SDL_StartTextInput();
  return std::unique_ptr<SdlDisplay>(new SdlDisplay(std::move(video), window, desktop));
}

SdlDisplay::SdlDisplay(std::unique_ptr<VideoSubsystem> video, SDL_Window* window,
                       WindowRect desktop)
    : video_(std::move(video)),
      window_(window),
      desktop_(desktop),
      width_(desktop.right - desktop.left),
      height_(desktop.bottom - desktop.top) {}

SdlDisplay::~SdlDisplay() = default;

WindowHandle SdlDisplay::Handle() const { return SDL_GetWindowID(window_.get()); }

std::vector<DisplayEvent> SdlDisplay::WaitForEvents(std::int64_t timeoutMs) {
  std::vector<DisplayEvent> events;
  SDL_Event event;
  int got = 0;
  if (timeoutMs < 0) {
    got = SDL_WaitEvent(&event);
  } else if (timeoutMs == 0) {
    got = SDL_PollEvent(&event);
  } else {
    got =
        SDL_WaitEventTimeout(&event, static_cast<int>(std::min<std::int64_t>(timeoutMs, INT_MAX)));
  }
  while (got != 0) {
    Translate(event, events);
    got = SDL_PollEvent(&event);
  }
  return events;
}

void SdlDisplay::Translate(const SDL_Event& event, std::vector<DisplayEvent>& events) {
  using Kind = DisplayEvent::Kind;
  switch (event.type) {
    case SDL_QUIT:
      events.push_back({.kind = Kind::kClose});
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        events.push_back({.kind = Kind::kClose});
      } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        SyncSize();
        events.push_back({.kind = Kind::kResize, .width = width_, .height = height_});
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        events.push_back({.kind = Kind::kExpose});
      }
      break;
    case SDL_KEYDOWN: {
      const KeyCode key = Lookup(event.key.keysym.sym);
      const int shift = ShiftState(event.key.keysym.mod);
      events.push_back({.kind = Kind::kKeyDown, .keyCode = key.virtualKey, .shift = shift});
      // Characters come as text input, except those of the control keys.
      if (key.character != 0) {
        events.push_back({.kind = Kind::kKeyPress, .character = key.character});
      }
      break;
    }
    case SDL_TEXTINPUT:
      for (const char c : Utf8ToAnsi(event.text.text)) {
        events.push_back({.kind = Kind::kKeyPress, .character = static_cast<unsigned char>(c)});
      }
      break;
    case SDL_MOUSEMOTION:
      events.push_back({.kind = Kind::kMouseMove,
                        .button = HeldButtons(event.motion.state),
                        .shift = ShiftState(static_cast<Uint16>(SDL_GetModState())),
                        .x = static_cast<double>(event.motion.x),
                        .y = static_cast<double>(event.motion.y)});
      break;
    case SDL_MOUSEBUTTONDOWN:
      // The second press of a double click is the double click, as on Windows.
      if (event.button.clicks >= 2) {
        events.push_back({.kind = Kind::kDblClick});
      } else {
        events.push_back({.kind = Kind::kMouseDown,
                          .button = ButtonMask(event.button.button),
                          .shift = ShiftState(static_cast<Uint16>(SDL_GetModState())),
                          .x = static_cast<double>(event.button.x),
                          .y = static_cast<double>(event.button.y)});
      }
      break;
    case SDL_MOUSEBUTTONUP:
      events.push_back({.kind = Kind::kMouseUp,
                        .button = ButtonMask(event.button.button),
                        .shift = ShiftState(static_cast<Uint16>(SDL_GetModState())),
                        .x = static_cast<double>(event.button.x),
                        .y = static_cast<double>(event.button.y)});
      if (event.button.clicks == 1) events.push_back({.kind = Kind::kClick});
      break;
    default:
      break;
  }
}

void SdlDisplay::SyncSize() { SDL_GetWindowSize(window_.get(), &width_, &height_); }

void SdlDisplay::Present(std::span<const std::uint32_t> pixels, int width, int height) {
  SDL_Surface* target = SDL_GetWindowSurface(window_.get());
  if (target == nullptr) return;
  // SDL only reads the frame; the cast is for its C interface.
  std::unique_ptr<SDL_Surface, SurfaceDeleter> frame(
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels.data()), width, height,
                                         32, width * 4, SDL_PIXELFORMAT_RGB888));
  if (!frame) return;
  SDL_BlitSurface(frame.get(), nullptr, target, nullptr);
  SDL_UpdateWindowSurface(window_.get());
}

void SdlDisplay::ShowAsDialogWindow(const DialogWindowRequest& request) {
  // A window made anew with its size and place: SDL moves a window that was
  // opened hidden at another size back where it first was once it shows.
  SDL_Window* const dialog =
      SDL_CreateWindow(request.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       request.width, request.height, SDL_WINDOW_BORDERLESS);
  if (dialog != nullptr) {
    window_.reset(dialog);
  } else {
    SDL_SetWindowBordered(window_.get(), SDL_FALSE);
    SDL_SetWindowTitle(window_.get(), request.title.c_str());
    SDL_SetWindowSize(window_.get(), request.width, request.height);
    SDL_ShowWindow(window_.get());
  }
  SyncSize();
  SDL_RaiseWindow(window_.get());
  SDL_SetWindowInputFocus(window_.get());
}

void SdlDisplay::SetDragArea(const DisplayRect& area) {
  dragArea_ = area;
  SDL_SetWindowHitTest(window_.get(), HitDragArea, &dragArea_);
}

void SdlDisplay::SetPointer(const PointerImage* image) {
  std::unique_ptr<SDL_Cursor, CursorDeleter> cursor(image != nullptr ? MonochromeCursor(*image)
                                                                     : nullptr);
  if (!cursor) cursor.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
  if (!cursor) return;
  SDL_SetCursor(cursor.get());
  // The cursor shown before is freed only once it is no longer shown.
  pointer_ = std::move(cursor);
}

void SdlDisplay::ShowPointer(bool shown) { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }

std::optional<WindowRect> SdlDisplay::GetWindowRect(WindowHandle window) {
  if (window == kDesktopHandle) return desktop_;
  if (window != Handle()) return std::nullopt;
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(window_.get(), &x, &y);
  return WindowRect{x, y, x + width_, y + height_};
}

std::optional<WindowRect> SdlDisplay::GetClientRect(WindowHandle window) {
  if (window == kDesktopHandle) {
    return WindowRect{0, 0, desktop_.right - desktop_.left, desktop_.bottom - desktop_.top};
  }
  if (window != Handle()) return std::nullopt;
  return WindowRect{0, 0, width_, height_};
}

std::int32_t SdlDisplay::GetWindowLong(WindowHandle window, std::int32_t index) {
  return window == Handle() && index == kGwlStyle ? style_ : 0;
}

std::int32_t SdlDisplay::SetWindowLong(WindowHandle window, std::int32_t index,
                                       std::int64_t value) {
  if (window != Handle() || index != kGwlStyle) return 0;
  const std::int32_t previous = style_;
  style_ = static_cast<std::int32_t>(value);
  return previous;
}

// A window of our own has no parent among the desktop's windows.
WindowHandle SdlDisplay::SetParent(WindowHandle /*child*/, WindowHandle /*parent*/) { return 0; }

bool SdlDisplay::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t /*x*/,
                              std::int32_t /*y*/, std::int32_t width, std::int32_t height,
                              std::uint32_t flags) {
  if (window != Handle()) return false;
  // The window stays where it was opened: over the displays, or where the
  // window manager put it.
  if (width > 0 && height > 0 && (width != width_ || height != height_)) {
    SDL_SetWindowSize(window_.get(), width, height);
    SyncSize();
  }
  if ((flags & kSwpShowWindow) != 0) SDL_ShowWindow(window_.get());
  if (insertAfter == kHwndTopmost) {
    // Keys go to the saver even where no window manager hands it the focus.
    SDL_RaiseWindow(window_.get());
    SDL_SetWindowInputFocus(window_.get());
  }
  return true;
}

}  // namespace talvora
