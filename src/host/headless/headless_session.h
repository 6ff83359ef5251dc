#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "common/clock.h"
#include "common/random_source.h"
#include "host/headless/event_script.h"
#include "host/headless/headless_request.h"
#include "host/saver_environment.h"
#include "host/startup.h"
#include "platform/fake/fake_desktop.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/text/text_renderer.h"

namespace talvora {

// The operating system's services a headless session takes from where it runs.
struct HeadlessServices {
  Registry& registry;
  const ProfileService& profile;
  const FilePaths& paths;
  TextRenderer& text;
};

// The module run on a virtual clock, with a played desktop: start it with a
// command line, deliver input, move time on, look at the screen.
class HeadlessSession {
 public:
  static constexpr WindowHandle kSaverWindowHandle = 0x20020;

  HeadlessSession(HeadlessServices& services, PixelSize desktop, PixelSize preview,
                  std::string programDir);

  FakeDesktop& Desktop() { return desktop_; }
  FormsRuntime& Runtime() { return runtime_; }
  VirtualClock& Clock() { return clock_; }
  ProcessState& Process() { return process_; }
  // The saver window, when start-up opened one.
  SaverWindow* Saver() { return started_.saver.get(); }
  const SaverWindow* Saver() const { return started_.saver.get(); }
  const StartupDecision& Decision() const { return started_.decision; }

  void SetTracer(Tracer* tracer);
  void Start(std::string_view commandLine);

  // Delivers one input event now, to the active form (close: to the named one).
  void Deliver(const ScriptEvent& event);
  // Moves the clock to `ms`, running every timer due on the way.
  void AdvanceTo(std::int64_t ms);
  // The next moment a timer is due, or -1.
  std::int64_t NextDueMs() const { return runtime_.NextDueMs(); }

  // What the screen shows: the desktop, or in preview the parent's client area.
  Surface Screen() const;

 private:
  PixelSize desktopSize_;
  PixelSize previewSize_;
  VirtualClock clock_;
  FakeDesktop desktop_;
  FormsRuntime runtime_;
  SaverPictures pictures_;
  // A fresh process's random source: every session starts from the fixed seed.
  RandomSource random_;
  ProcessState process_;
  SaverEnvironment environment_;
  StartupResult started_;
};

}  // namespace talvora
