#pragma once

#include <cstdint>

#include "common/random_source.h"
#include "platform/file_paths.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"
#include "scenes/ini_files.h"
#include "scenes/saver_pictures.h"
#include "settings/settings.h"

namespace talvora {

inline constexpr std::int32_t kRunModeFullScreen = 1;
inline constexpr std::int32_t kRunModePreview = 4;

// What a scene step works with: the saver window it draws on, the settings,
// the run mode, the pictures stored with the window and the random source.
struct SceneContext {
  Form& window;
  const Settings& settings;
  std::int32_t runMode;
  const SaverPictures& pictures;
  RandomSource& random;
  const Clock& clock;
  const IniFiles& ini;
  const FilePaths& paths;
  // The folder of the program file, where tabela.ini and tlv.ini live.
  std::string_view programDir;

  // The window's size in pixels, computed from its size in twips.
  double W() const { return window.WidthTwips() / kTwipsPerPixel; }
  double H() const { return window.HeightTwips() / kTwipsPerPixel; }
  bool Preview() const { return runMode == kRunModePreview; }
  void ReseedRandom() const { random.Reseed(clock.SeedReading()); }
  // A file of the program's folder, Windows-style: programDir + "\" + name.
  std::string ProgramFile(std::string_view name) const {
    std::string path;
    ProgramFile(name, path);
    return path;
  }
  // The same into the caller's storage, which a name made on every tick reuses.
  void ProgramFile(std::string_view name, std::string& path) const {
    path.assign(programDir).append("\\").append(name);
  }
};

}  // namespace talvora
