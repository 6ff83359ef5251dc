#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace talvora {

// Reads values of INI files as UTF-8 text: the value of key in section, at
// most 254 characters, or defaultText when the file, section or key is
// missing; "" when nothing is copied. Texts are UTF-8. The file is taken to be
// in the ANSI code page unless it is valid UTF-8 holding some non-ASCII byte,
// so a name like "3º Lugar" matches however the file was saved.
//
// The reader keeps its working storage from read to read, so that a value
// read on every tick costs no allocation once the storage has grown.
class IniValueReader {
 public:
  // The value, valid until the next read.
  std::string_view Read(const ProfileService& profile, std::string_view section,
                        std::string_view key, std::string_view defaultText,
                        const std::filesystem::path& file);
  // Whether the last read found the file.
  bool FoundFile() const { return foundFile_; }

 private:
  std::string_view InFileEncoding(std::string_view text, std::string& storage) const;

  std::string bytes_;
  bool foundFile_ = false;
  bool utf8_ = false;
  std::string section_;
  std::string key_;
  std::string defaultText_;
  std::string copied_;
  std::string value_;
};

// One read with a reader of its own; the path is UTF-8.
std::string GetIniValue(const ProfileService& profile, std::string_view section,
                        std::string_view key, std::string_view defaultText,
                        const std::string& file);

}  // namespace talvora
