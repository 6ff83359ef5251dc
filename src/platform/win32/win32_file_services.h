#pragma once

#include "platform/file_services.h"

namespace talvora {

// CopyFileA and SetFileAttributesA of kernel32; paths in the ANSI code page.
class Win32FileServices final : public FileServices {
 public:
  bool CopyFile(std::string_view source, std::string_view destination) override;
  bool SetAttributes(std::string_view path, std::uint32_t attributes) override;
  bool SameContents(std::string_view a, std::string_view b) override;
};

}  // namespace talvora
