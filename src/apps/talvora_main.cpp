// talvora: the screen saver on a Linux desktop, full screen, in a window, or
// drawing into a window XScreenSaver (or any other program) made; and its
// setup dialog in a window of its own.

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/steady_clock.h"
#include "common/utf8_path.h"
#include "host/command_line.h"
#include "host/live/live_session.h"
#include "host/live/setting_overrides.h"
#include "host/live/talvora_arguments.h"
#include "platform/font_files.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/file_registry.h"
#include "platform/posix/ini_file_profile.h"
#include "platform/posix/places.h"
#include "platform/posix/posix_shell.h"
#include "platform/posix/sdl_display.h"
#include "platform/posix/x11_window_display.h"

namespace {

constexpr int kUsageErrorStatus = 2;
constexpr int kDisplayErrorStatus = 1;

std::optional<std::string_view> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string_view(value);
}

std::filesystem::path PathOr(const std::optional<std::string>& given,
                             std::filesystem::path fallback) {
  return given ? talvora::PathFromUtf8(*given) : std::move(fallback);
}

// The system's services the saver reads its settings and files through.
struct Places {
  explicit Places(const talvora::TalvoraOptions& options)
      : store(PathOr(options.store, talvora::DefaultSettingsStorePath())),
        registry(store, options.settings),
        paths(PathOr(options.driveC, talvora::DefaultDriveCPath())),
        programDir(talvora::PathToUtf8(PathOr(options.programDir, talvora::ProgramFolder()))),
        fonts(talvora::MakeSystemFontFiles()),
        text(*fonts) {}

  talvora::FileRegistry store;
  talvora::SettingOverrides registry;
  talvora::IniFileProfile profile;
  talvora::DriveFolderPaths paths;
  std::string programDir;
  std::unique_ptr<talvora::FontFiles> fonts;
  talvora::TextRenderer text;
  talvora::SteadyClock clock;
  talvora::PosixShell shell;
  std::unique_ptr<talvora::FileServices> files = talvora::MakeSystemFileServices();
};

template <typename Display>
int RunOn(Display& display, Places& places, std::string_view commandLine,
          talvora::WindowHandle handle) {
  talvora::LiveServices services{places.clock, places.registry, places.profile, places.paths,
                                 places.text,  display,         display,        display,
                                 places.shell, *places.files};
  talvora::LiveSession session(services, places.programDir);
  session.Start(commandLine, handle);
  session.Run();
  return 0;
}

int RunOwnWindow(const talvora::TalvoraOptions& options, bool setup, Places& places) {
  talvora::SdlWindowRequest request;
  // The setup dialog makes the window its own once it knows its size.
  request.fullScreen = !setup && options.target == talvora::DisplayTarget::kFullScreen;
  request.width = options.windowWidth;
  request.height = options.windowHeight;
  std::string error;
  const auto display = talvora::SdlDisplay::Open(request, error);
  if (!display) {
    std::cerr << "talvora: " << error << '\n';
    return kDisplayErrorStatus;
  }
  return RunOn(*display, places, options.moduleCommandLine, display->Handle());
}

int RunInX11Window(const talvora::TalvoraOptions& options, Places& places) {
  std::string error;
  const auto display = talvora::X11WindowDisplay::Open(options.x11Window, error);
  if (!display) {
    std::cerr << "talvora: " << error << '\n';
    return kDisplayErrorStatus;
  }
  const std::string commandLine = options.moduleCommandLine.empty()
                                      ? talvora::PreviewCommandLine(display->Target())
                                      : options.moduleCommandLine;
  return RunOn(*display, places, commandLine, display->Target());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const talvora::ParsedTalvoraArguments parsed =
      talvora::ParseTalvoraArguments(arguments, Variable("XSCREENSAVER_WINDOW"));
  if (!parsed.options) {
    std::cerr << "talvora: " << parsed.usageError << '\n';
    return kUsageErrorStatus;
  }
  const talvora::TalvoraOptions& options = *parsed.options;
  const talvora::StartupMode mode = talvora::DecideStartup(options.moduleCommandLine).mode;
  const bool setup = mode == talvora::StartupMode::kSetup;
  // The setup dialog is a window of its own, whatever window was named.
  const bool ownWindow = setup || options.target != talvora::DisplayTarget::kX11Window;
  switch (mode) {
    case talvora::StartupMode::kSetup:
    case talvora::StartupMode::kFullScreen:
      break;
    case talvora::StartupMode::kPreview:
      // A preview without a window id has nowhere to draw.
      if (ownWindow) return 0;
      break;
    case talvora::StartupMode::kPasswordChange:
    case talvora::StartupMode::kNone:
      // Nothing to show: Linux has no screen-saver password to change.
      return 0;
  }
  Places places(options);
  return ownWindow ? RunOwnWindow(options, setup, places) : RunInX11Window(options, places);
}
