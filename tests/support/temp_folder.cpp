#include "tests/support/temp_folder.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

#include "common/utf8_path.h"

namespace talvora {

TempFolder::TempFolder() {
  std::random_device seed;
  std::mt19937_64 draw(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate =
        std::filesystem::temp_directory_path() / ("talvora-test-" + std::to_string(draw()));
    if (std::filesystem::create_directory(candidate)) {
      root_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no fresh temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempFolder::PathOf(std::string_view name) const {
  return PathToUtf8((root_ / PathFromUtf8(name)).make_preferred());
}

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = PathOf(name);
  const auto native = PathFromUtf8(path);
  std::filesystem::create_directories(native.parent_path());
  std::ofstream out(native, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
  return path;
}

}  // namespace talvora
