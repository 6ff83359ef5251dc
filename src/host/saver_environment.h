#pragma once

#include <cstdint>
#include <string>

#include "common/clock.h"
#include "common/random_source.h"
#include "dialogs/dialog_pictures.h"
#include "platform/file_paths.h"
#include "platform/file_services.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/saver_services.h"
#include "platform/shell.h"
#include "platform/window_services.h"
#include "runtime/forms/forms_runtime.h"
#include "scenes/saver_pictures.h"
#include "settings/settings.h"

namespace talvora {

// What lives as long as the process: the run mode and the settings record.
struct ProcessState {
  std::int32_t RunMode = 0;  // 1 full screen, 4 preview, 0 neither
  Settings settings;
};

// Everything the module's forms use from the host that runs them.
struct SaverEnvironment {
  FormsRuntime& runtime;
  const Clock& clock;
  Registry& registry;
  SaverServices& saver;
  WindowServices& windows;
  const ProfileService& profile;
  const FilePaths& paths;
  const SaverPictures& pictures;
  RandomSource& random;
  ProcessState& process;
  std::string programDir;  // the folder of the program file
  // For the configuration dialogs: links, the boot-screen files, their pictures.
  Shell& shell;
  FileServices& files;
  const DialogPictures& dialogPictures;
};

}  // namespace talvora
