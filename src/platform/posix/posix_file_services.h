#pragma once

#include "platform/file_services.h"

namespace talvora {

// Whole-file operations on a system without Windows attributes: copies are
// made beside the destination and renamed over it; attributes have no home
// here and setting them only checks that the file exists.
class PosixFileServices final : public FileServices {
 public:
  bool CopyFile(std::string_view source, std::string_view destination) override;
  bool SetAttributes(std::string_view path, std::uint32_t attributes) override;
  bool SameContents(std::string_view a, std::string_view b) override;
};

}  // namespace talvora
