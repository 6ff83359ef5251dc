#include "platform/posix/drive_folder_paths.h"

#include <string>
#include <system_error>

#include "common/utf8_path.h"

namespace talvora {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// The entry of `folder` spelt like `name`, exactly or else without regard to case.
std::filesystem::path Entry(const std::filesystem::path& folder, std::string_view name) {
  std::filesystem::path exact = folder / PathFromUtf8(name);
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (SameIgnoringCase(PathToUtf8(entry.path().filename()), name)) return entry.path();
  }
  return exact;
}

}  // namespace

std::filesystem::path DriveFolderPaths::Native(std::string_view windowsPath) const {
  std::filesystem::path path;
  std::string_view rest = windowsPath;
  if (rest.size() >= 2 && rest[1] == ':') {
    if (AsciiLower(rest[0]) != 'c') return {};
    path = driveC_;
    rest.remove_prefix(2);
  } else if (!rest.empty() && rest.front() == '/') {
    path = "/";
  }
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of("\\/");
    const std::string_view name = rest.substr(0, end);
    if (!name.empty()) path = path.empty() ? PathFromUtf8(name) : Entry(path, name);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return path;
}

}  // namespace talvora
