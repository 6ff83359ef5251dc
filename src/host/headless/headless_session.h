#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "common/clock.h"
#include "common/random_source.h"
#include "dialogs/dialog_pictures.h"
#include "host/headless/event_script.h"
#include "host/headless/headless_request.h"
#include "host/saver_environment.h"
#include "host/startup.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/traced_file_services.h"
#include "runtime/forms/drawn_desktop.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/text/text_renderer.h"

namespace talvora {

// The operating system's services a headless session takes from where it runs.
struct HeadlessServices {
  Registry& registry;
  const ProfileService& profile;
  const FilePaths& paths;
  FileServices& files;  // on the files `paths` leads to
  TextRenderer& text;
};

// The module run on a virtual clock, with a played desktop: start it with a
// command line, deliver input, move time on, look at the screen. Dialogs sit
// on a neutral desktop with drawn frames; links open nothing (the shell
// only records them).
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
  // The setup dialog, when start-up showed it.
  Form* Setup() { return started_.setup.get(); }
  FakeShell& Shell() { return shell_; }
  const DrawnDesktop& Windows() const { return windows_; }

  void SetTracer(Tracer* tracer);
  void Start(std::string_view commandLine);

  // Delivers one input event now, to the active form (close: to the named
  // one). False when it names a control the active form does not have.
  bool Deliver(const ScriptEvent& event);
  // Moves the clock to `ms`, running every timer due on the way.
  void AdvanceTo(std::int64_t ms);
  // The next moment a timer is due, or -1.
  std::int64_t NextDueMs() const { return runtime_.NextDueMs(); }

  // What the screen shows: the desktop, or in preview the parent's client area.
  Surface Screen() const;

 private:
  static void ClickAt(Form& form, double x, double y);
  static bool Slide(Form& form, std::string_view name, std::int32_t value);

  PixelSize desktopSize_;
  PixelSize previewSize_;
  VirtualClock clock_;
  FakeDesktop desktop_;
  FormsRuntime runtime_;
  DrawnDesktop windows_;
  FakeShell shell_;
  TracedFileServices files_;
  SaverPictures pictures_;
  DialogPictures dialogPictures_;
  // A fresh process's random source: every session starts from the fixed seed.
  RandomSource random_;
  ProcessState process_;
  SaverEnvironment environment_;
  StartupResult started_;
};

}  // namespace talvora
