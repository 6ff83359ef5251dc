#pragma once

#include <string>
#include <string_view>

#include "platform/file_paths.h"
#include "platform/profile.h"
#include "runtime/forms/forms_runtime.h"

namespace talvora {

// Reads INI values for the scenes: Windows-style file paths, the empty text
// as default, every read recorded in the trace.
class IniFiles {
 public:
  IniFiles(const ProfileService& profile, const FilePaths& paths, FormsRuntime& runtime)
      : profile_(profile), paths_(paths), runtime_(runtime) {}

  std::string Read(std::string_view file, std::string_view section, std::string_view key) const;

 private:
  const ProfileService& profile_;
  const FilePaths& paths_;
  FormsRuntime& runtime_;
};

}  // namespace talvora
