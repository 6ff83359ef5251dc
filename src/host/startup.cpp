#include "host/startup.h"

#include "dialogs/setup_form.h"

namespace talvora {
namespace {

PixelRect TargetSize(const WindowRect& target) { return {0, 0, target.right, target.bottom}; }

std::unique_ptr<SaverWindow> OpenFullScreen(SaverEnvironment& env, WindowHandle handle) {
  env.process.RunMode = 1;
  WindowRect target;
  if (const auto desktop = env.windows.GetWindowRect(env.windows.GetDesktopWindow())) {
    target = *desktop;
  }
  auto window = std::make_unique<SaverWindow>(env, handle);
  window->Load();
  if (!window->Loaded()) return window;
  window->Show();
  env.windows.SetWindowPos(handle, kHwndTopmost, 0, 0, target.right, target.bottom, kSwpShowWindow);
  window->MoveWindow(TargetSize(target));
  return window;
}

std::unique_ptr<SaverWindow> OpenPreview(SaverEnvironment& env, WindowHandle handle,
                                         WindowHandle previewParent) {
  env.process.RunMode = 4;
  // Without a parent there is nowhere to draw: no window, and the process ends.
  if (previewParent == 0) return nullptr;
  WindowRect target;
  if (const auto client = env.windows.GetClientRect(previewParent)) target = *client;
  auto window = std::make_unique<SaverWindow>(env, handle);
  window->Load();
  if (!window->Loaded()) return window;
  window->SetCaption("Preview");
  const std::int32_t style = env.windows.GetWindowLong(handle, kGwlStyle);
  env.windows.SetWindowLong(handle, kGwlStyle, style | kWsChild);
  env.windows.SetParent(handle, previewParent);
  env.windows.SetWindowLong(handle, kGwlHwndParent, previewParent);
  env.windows.SetWindowPos(handle, kHwndTop, 0, 0, target.right, target.bottom,
                           kSwpNoZOrder | kSwpNoActivate | kSwpShowWindow);
  window->MoveWindow(TargetSize(target));
  window->Show();
  return window;
}

std::unique_ptr<Form> OpenSetup(SaverEnvironment& env) {
  env.process.RunMode = 0;
  DialogEnvironment dialogs{env.runtime, env.registry, env.process.settings, env.shell,
                            env.files,   env.paths,    env.dialogPictures};
  auto setup = std::make_unique<SetupForm>(dialogs);
  setup->Show();
  return setup;
}

}  // namespace

StartupResult StartUp(SaverEnvironment& environment, std::string_view commandLine,
                      WindowHandle saverHandle) {
  StartupResult result{DecideStartup(commandLine), nullptr, nullptr};
  switch (result.decision.mode) {
    case StartupMode::kFullScreen:
      result.saver = OpenFullScreen(environment, saverHandle);
      break;
    case StartupMode::kPreview:
      result.saver = OpenPreview(environment, saverHandle, result.decision.windowHandle);
      break;
    case StartupMode::kPasswordChange:
      environment.saver.PwdChangePassword("SCRSAVE", result.decision.windowHandle);
      break;
    case StartupMode::kSetup:
      result.setup = OpenSetup(environment);
      break;
    case StartupMode::kNone:
      break;
  }
  return result;
}

}  // namespace talvora
