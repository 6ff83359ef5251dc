#pragma once

#include <memory>
#include <string_view>

#include "host/command_line.h"
#include "host/saver_environment.h"
#include "host/saver_window.h"

namespace talvora {

struct StartupResult {
  StartupDecision decision;
  // The saver window when start-up opened one; the process lives while a
  // form is loaded.
  std::unique_ptr<SaverWindow> saver;
  // The setup dialog when start-up showed it ("/c").
  std::unique_ptr<Form> setup;
};

// Start-up: decides by the command line, sets RunMode, and opens the saver
// window full screen or as a child of the preview window, shows the setup
// dialog, or asks for the password change. `saverHandle` is the handle the host gives the window.
StartupResult StartUp(SaverEnvironment& environment, std::string_view commandLine,
                      WindowHandle saverHandle);

}  // namespace talvora
