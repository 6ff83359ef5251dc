#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <system_error>

namespace talvora {

// A folder of its own under the temporary folder (TMPDIR), for targets whose code under test
// reads files. Made once per fuzzing process and removed when it ends.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view name) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("talvora-" + std::string(name) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& Path() const { return path_; }

  // Empties the folder, so that what one input left behind never reaches the next.
  void Clear() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      std::filesystem::remove_all(entry.path());
    }
  }

  // Writes a file of the folder with exactly these bytes; its path.
  std::filesystem::path Write(std::string_view fileName,
                              std::span<const std::uint8_t> bytes) const {
    const std::filesystem::path file = path_ / fileName;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace talvora
