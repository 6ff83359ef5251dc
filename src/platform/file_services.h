#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace talvora {

// File attributes, numbered as Windows numbers them.
inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeArchive = 0x20;

// Whole-file operations on paths of this system, given as UTF-8.
class FileServices {
 public:
  virtual ~FileServices() = default;
  // Copies the whole file, replacing the destination when it exists and
  // leaving the source in place; false when nothing was copied. The copy is
  // made beside the destination first and then put in its place, so a copy
  // that fails halfway leaves the destination as it was.
  virtual bool CopyFile(std::string_view source, std::string_view destination) = 0;
  // Replaces all the file's attributes with the given ones.
  virtual bool SetAttributes(std::string_view path, std::uint32_t attributes) = 0;
  // True when both files exist and hold the same bytes.
  virtual bool SameContents(std::string_view a, std::string_view b) = 0;
};

// The file services of the system the program runs on.
std::unique_ptr<FileServices> MakeSystemFileServices();

}  // namespace talvora
