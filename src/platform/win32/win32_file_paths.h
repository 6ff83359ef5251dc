#pragma once

#include "platform/file_paths.h"

namespace talvora {

// On Windows a Windows path is already native.
class Win32FilePaths final : public FilePaths {
 public:
  std::filesystem::path Native(std::string_view windowsPath) const override;
};

}  // namespace talvora
