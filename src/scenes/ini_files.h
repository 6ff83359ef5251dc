#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_paths.h"
#include "platform/profile.h"
#include "runtime/forms/forms_runtime.h"
#include "settings/ini_value.h"

namespace talvora {

// Reads INI values for the scenes: Windows-style file paths, the empty text
// as default, every read recorded in the trace. Every read reads the file
// afresh, as the file may change while the saver runs; what a Windows path
// stands for is looked up once and again only when the file is not found
// where it was, so renaming "TABELA.INI" to "tabela.ini" is followed.
class IniFiles {
 public:
  IniFiles(const ProfileService& profile, const FilePaths& paths, FormsRuntime& runtime)
      : profile_(profile), paths_(paths), runtime_(runtime) {}

  // The value, valid until the next read.
  std::string_view Read(std::string_view file, std::string_view section,
                        std::string_view key) const;

 private:
  std::string_view ReadAt(std::string_view section, std::string_view key) const;
  void Resolve(std::string_view file) const;

  const ProfileService& profile_;
  const FilePaths& paths_;
  FormsRuntime& runtime_;
  // The last file read, its own path, and the reader's storage: kept so that
  // a read on every tick allocates nothing.
  mutable std::string windowsPath_;
  mutable std::filesystem::path nativePath_;
  mutable IniValueReader reader_;
};

}  // namespace talvora
