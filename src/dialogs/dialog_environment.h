#pragma once

#include "dialogs/dialog_pictures.h"
#include "platform/file_paths.h"
#include "platform/file_services.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "runtime/forms/forms_runtime.h"
#include "settings/settings.h"

namespace talvora {

// What the configuration dialogs use: the run time they live in, the
// process-wide settings and where they are stored, the shell for links, and
// the files of the boot-screen installer.
struct DialogEnvironment {
  FormsRuntime& runtime;
  Registry& registry;
  Settings& settings;
  Shell& shell;
  FileServices& files;
  const FilePaths& paths;
  const DialogPictures& pictures;
};

}  // namespace talvora
