#include "host/win32/win32_saver_app.h"

#include <algorithm>
#include <optional>

#include "common/steady_clock.h"
#include "host/startup.h"
#include "host/win32/form_window.h"
#include "host/win32/win32_window_system.h"
#include "platform/win32/win32_file_paths.h"
#include "platform/win32/win32_font_files.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_saver_services.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_services.h"
#include "runtime/text/text_renderer.h"

namespace talvora {
namespace {

// How often a preview looks whether its parent window still exists: the
// parent may vanish without a close message reaching the preview.
constexpr DWORD kParentCheckMs = 100;

// Blocks until a message arrives or the next timer is due (in a preview, at
// most until the next look at the parent).
void WaitForWork(const FormsRuntime& runtime, bool preview) {
  const std::int64_t due = runtime.NextDueMs();
  DWORD timeout = INFINITE;
  if (due >= 0)
    timeout = static_cast<DWORD>(std::clamp<std::int64_t>(due - runtime.Now(), 0, MAXDWORD - 1));
  if (preview) timeout = std::min(timeout, kParentCheckMs);
  MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// Dispatches every message waiting; false when the thread was told to quit.
bool DispatchMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

// The saver's window in a run that shows one: its form, and in a preview
// the window it lives in.
struct SaverRun {
  FormWindow& window;
  SaverWindow& saver;
  WindowHandle previewParent;
};

// The one message loop: each moment waits for a message or a due timer,
// handles what came, and shows the result in every window. Modal forms run
// the same moments.
class MessageLoop final : public EventPump {
 public:
  MessageLoop(FormsRuntime& runtime, Win32WindowSystem& dialogs, std::optional<SaverRun> saver)
      : runtime_(runtime), dialogs_(dialogs), saver_(saver) {
    runtime_.SetEventPump(this);
  }
  ~MessageLoop() override { runtime_.SetEventPump(nullptr); }
  MessageLoop(const MessageLoop&) = delete;
  MessageLoop& operator=(const MessageLoop&) = delete;

  void Run() {
    Present();
    while (runtime_.AnyFormLoaded() && SaverWindowAlive()) {
      if (!PumpOnce()) break;
    }
    // The window went first (taken by its parent): the form goes with it.
    if (saver_ && saver_->saver.Loaded()) saver_->saver.Unload(UnloadMode::kUserClosed);
  }

  bool PumpOnce() override {
    const bool preview = saver_ && saver_->previewParent != 0;
    WaitForWork(runtime_, preview);
    if (!DispatchMessages()) return false;
    runtime_.RunDueTimers();
    if (preview && saver_->saver.Loaded() && !IsWindow(ToHwnd(saver_->previewParent))) {
      saver_->saver.Unload(UnloadMode::kUserClosed);
    }
    runtime_.PaintInvalidated();
    dialogs_.ReleaseClosed();
    Present();
    return SaverWindowAlive();
  }

 private:
  bool SaverWindowAlive() const { return !saver_ || saver_->window.Alive(); }

  void Present() {
    if (saver_) saver_->window.Present();
    dialogs_.Present();
  }

  FormsRuntime& runtime_;
  Win32WindowSystem& dialogs_;
  std::optional<SaverRun> saver_;
};

}  // namespace

int RunWin32Saver(std::string_view arguments) {
  const StartupMode mode = DecideStartup(arguments).mode;
  const SteadyClock clock;
  Win32Registry registry;
  const Win32Profile profile;
  const Win32FilePaths paths;
  const Win32FontFiles fonts;
  TextRenderer text(fonts);
  Win32WindowServices windows(VirtualScreenRect());
  Win32SaverServices saverServices;
  FormsRuntime runtime(clock, text);
  const SaverPictures pictures;
  RandomSource random;
  ProcessState process;
  Win32Shell shell;
  const auto files = MakeSystemFileServices();
  const DialogPictures dialogPictures =
      mode == StartupMode::kSetup ? MakeDialogPictures() : DialogPictures{};
  SaverEnvironment environment{
      runtime,  clock,  registry, saverServices,        windows, profile, paths,
      pictures, random, process,  Win32ProgramFolder(), shell,   *files,  dialogPictures};

  // Made before start-up, which shows the setup dialog, and kept until the
  // forms are gone.
  Win32WindowSystem dialogs(runtime, dialogPictures.hand);
  FormWindow window;
  StartupResult started = StartUp(environment, arguments, window.Handle());
  if (started.setup) {
    runtime.PaintInvalidated();
    MessageLoop(runtime, dialogs, std::nullopt).Run();
    return 0;
  }
  if (!started.saver || !started.saver->Loaded()) return 0;
  window.Attach(*started.saver);
  if (process.RunMode == kRunModeFullScreen) SetForegroundWindow(ToHwnd(window.Handle()));
  runtime.PaintInvalidated();
  const WindowHandle previewParent =
      process.RunMode == kRunModePreview ? started.decision.windowHandle : 0;
  MessageLoop(runtime, dialogs, SaverRun{window, *started.saver, previewParent}).Run();
  return 0;
}

}  // namespace talvora
