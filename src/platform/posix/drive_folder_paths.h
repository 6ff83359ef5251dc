#pragma once

#include <filesystem>

#include "platform/file_paths.h"

namespace talvora {

// Windows paths on a system without drives: "c:\..." lies under a folder
// that stands for drive C, backslashes separate folders, and names match
// without regard to case where the exact spelling does not exist (a file
// saved as "TLV.INI" is found as "tlv.ini", as Windows would find it).
// Other drive letters have no home and stay unresolvable.
class DriveFolderPaths final : public FilePaths {
 public:
  explicit DriveFolderPaths(std::filesystem::path driveC) : driveC_(std::move(driveC)) {}
  std::filesystem::path Native(std::string_view windowsPath) const override;

 private:
  std::filesystem::path driveC_;
};

}  // namespace talvora
