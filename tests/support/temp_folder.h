#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace talvora {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes. Each test gets its own, so no file outlives it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The UTF-8 path of a file in the folder; name may hold folders ("a/b.ini").
  std::string PathOf(std::string_view name) const;

  // Writes the bytes as they are, making the folders on the way; gives PathOf(name).
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::filesystem::path root_;
};

}  // namespace talvora
