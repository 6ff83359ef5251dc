#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/live_display.h"
#include "platform/posix/desktop_saver_services.h"
#include "platform/window_services.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace talvora {

struct SdlWindowRequest {
  bool fullScreen = true;  // the whole X screen; otherwise an ordinary window
  int width = 800;         // an ordinary window's client size
  int height = 600;
  std::string title = "Talvora";
};

// A window of our own made with SDL2: borderless over the union of all
// displays, or an ordinary one. It shows frames through the window surface
// (software, no GL context), reports input with Windows' key codes, and
// serves the saver as its desktop: in a window the desktop is the window.
// A dialog's window is borderless and moved by the caption bar drawn in it.
// The desktop's own screen saver stays allowed while it is open.
class SdlDisplay final : public LiveDisplay, public WindowServices, public DesktopSaverServices {
 public:
  // nullptr, with `error` saying why, when SDL or the window cannot be made.
  static std::unique_ptr<SdlDisplay> Open(const SdlWindowRequest& request, std::string& error);
  ~SdlDisplay() override;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  // The handle the saver window goes by: SDL's window id.
  WindowHandle Handle() const;

  std::vector<DisplayEvent> WaitForEvents(std::int64_t timeoutMs) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Present(std::span<const std::uint32_t> pixels, int width, int height) override;
  void ShowAsDialogWindow(const DialogWindowRequest& request) override;
  void SetDragArea(const DisplayRect& area) override;
  void SetPointer(const PointerImage* image) override;

  WindowHandle GetDesktopWindow() override { return kDesktopHandle; }
  std::optional<WindowRect> GetWindowRect(WindowHandle window) override;
  std::optional<WindowRect> GetClientRect(WindowHandle window) override;
  std::int32_t GetWindowLong(WindowHandle window, std::int32_t index) override;
  std::int32_t SetWindowLong(WindowHandle window, std::int32_t index, std::int64_t value) override;
  WindowHandle SetParent(WindowHandle child, WindowHandle parent) override;
  bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, std::uint32_t flags) override;

 private:
  // Not an SDL window id (those count up from 1).
  static constexpr WindowHandle kDesktopHandle = 0x7FFF0000;

  // SDL's video, started before the window and stopped after it.
  struct VideoSubsystem {
    VideoSubsystem() = default;
    VideoSubsystem(const VideoSubsystem&) = delete;
    VideoSubsystem& operator=(const VideoSubsystem&) = delete;
    ~VideoSubsystem();
  };
  struct WindowDeleter {
    void operator()(SDL_Window* window) const;
  };
  struct CursorDeleter {
    void operator()(SDL_Cursor* cursor) const;
  };

  SdlDisplay(std::unique_ptr<VideoSubsystem> video, SDL_Window* window, WindowRect desktop);
  void ShowPointer(bool shown) override;
  void Translate(const SDL_Event& event, std::vector<DisplayEvent>& events);
  void SyncSize();

  std::unique_ptr<VideoSubsystem> video_;
  std::unique_ptr<SDL_Window, WindowDeleter> window_;
  WindowRect desktop_;
  int width_;
  int height_;
  std::int32_t style_ = 0;
  // SDL's hit test reads it while it handles the window's events.
  DisplayRect dragArea_;
  std::unique_ptr<SDL_Cursor, CursorDeleter> pointer_;
};

}  // namespace talvora
