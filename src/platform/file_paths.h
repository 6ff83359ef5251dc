#pragma once

#include <filesystem>
#include <string_view>

namespace talvora {

// Turns the Windows-style paths the behaviour speaks in ("c:\windows\system\tlv.ini",
// a program folder followed by "\tabela.ini") into paths of this system.
class FilePaths {
 public:
  virtual ~FilePaths() = default;
  virtual std::filesystem::path Native(std::string_view windowsPath) const = 0;
};

}  // namespace talvora
