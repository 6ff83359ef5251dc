#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_services.h"

namespace talvora {

// Files held in memory, by path without regard to ASCII case, as Windows
// finds them. A file may be made unwritable, as a file in use is.
class FakeFileServices final : public FileServices {
 public:
  struct File {
    std::string contents;
    std::uint32_t attributes = kFileAttributeArchive;
    bool writable = true;
    friend bool operator==(const File&, const File&) = default;
  };

  void Put(std::string_view path, File file);
  std::optional<File> Get(std::string_view path) const;

  bool CopyFile(std::string_view source, std::string_view destination) override;
  bool SetAttributes(std::string_view path, std::uint32_t attributes) override;
  bool SameContents(std::string_view a, std::string_view b) override;

 private:
  static std::string Key(std::string_view path);

  std::map<std::string, File> files_;
};

}  // namespace talvora
