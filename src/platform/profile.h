#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace talvora {

// The operating system's profile (INI file) service, as GetPrivateProfileStringA
// offers it: texts are bytes as they stand in the file.
class ProfileService {
 public:
  virtual ~ProfileService() = default;

  // Puts into `copied` what the service copies into a buffer of bufferSize
  // characters: the value of key in section of file, or defaultText when the
  // file, section or key is missing, cut to leave room for the terminating
  // NUL (at most bufferSize - 1 characters). `copied` is the caller's storage,
  // reused from read to read, so that reading on every tick allocates nothing.
  virtual void GetString(std::string_view section, std::string_view key,
                         std::string_view defaultText, std::size_t bufferSize,
                         const std::filesystem::path& file, std::string& copied) const = 0;
};

}  // namespace talvora
