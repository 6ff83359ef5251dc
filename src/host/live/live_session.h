#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "common/random_source.h"
#include "host/saver_environment.h"
#include "host/startup.h"
#include "platform/live_display.h"
#include "runtime/forms/drawn_desktop.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/text/text_renderer.h"

namespace talvora {

// What a live session takes from the system it runs on.
struct LiveServices {
  const Clock& clock;
  Registry& registry;
  const ProfileService& profile;
  const FilePaths& paths;
  TextRenderer& text;
  WindowServices& windows;
  SaverServices& saver;
  LiveDisplay& display;
  Shell& shell;
  FileServices& files;
};

// The module run on real time on a live display: start it with a command
// line, then run it until its last form unloads. It is the forms' event
// pump, so a modal form runs on the same loop. The saver's window is the
// display; the setup dialog's display is a window the size of the dialog's
// frame, drawn in it, with the dialogs it opens drawn centred over it.
class LiveSession final : public EventPump {
 public:
  LiveSession(LiveServices& services, std::string programDir);
  ~LiveSession() override;
  LiveSession(const LiveSession&) = delete;
  LiveSession& operator=(const LiveSession&) = delete;

  // Runs start-up; `saverHandle` is the handle the saver window gets.
  void Start(std::string_view commandLine, WindowHandle saverHandle);
  const StartupDecision& Decision() const { return started_.decision; }
  FormsRuntime& Runtime() { return runtime_; }
  ProcessState& Process() { return process_; }

  // Waits for input or the next timer, delivers input to the active form,
  // runs the timers due, repaints and presents, until no form is loaded.
  void Run();
  // One turn of the loop: the input that came while waiting, then the timers
  // due, the repaint and the frame. False once no form is loaded.
  bool PumpOnce() override;

 private:
  void Deliver(const DisplayEvent& event);
  void DeliverToDialogs(const DisplayEvent& event);
  void ShowSetupWindow(Form& setup);
  void CloseDialogs();
  void ShowPointer();
  void Present();

  LiveServices& services_;
  FormsRuntime runtime_;
  SaverPictures pictures_;
  DialogPictures dialogPictures_;
  RandomSource random_;
  ProcessState process_;
  SaverEnvironment environment_;
  // The dialogs' window system, in setup mode only.
  std::optional<DrawnDesktop> dialogs_;
  PointerImage hand_;
  MousePointer shownPointer_ = MousePointer::kDefault;
  StartupResult started_;
};

}  // namespace talvora
