#include "platform/posix/file_registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include "platform/posix/regedit4_text.h"

namespace talvora {
namespace {

namespace fs = std::filesystem;

// How many ".corrupt.N" and temporary names are tried before giving up.
constexpr int kMaxNameTries = 1000;

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&&) = delete;
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }

  bool Valid() const { return fd_ >= 0; }
  int Get() const { return fd_; }
  // Closes now, telling whether everything written reached the file.
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// The file's bytes: "" when it does not exist, nullopt when it cannot be read.
std::optional<std::string> ReadWhole(const fs::path& file) {
  const UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) {
    if (errno == ENOENT || errno == ENOTDIR) return std::string();
    return std::nullopt;
  }
  std::string bytes;
  std::array<char, 4096> buffer;
  while (true) {
    const ssize_t got = ::read(fd.Get(), buffer.data(), buffer.size());
    if (got == 0) return bytes;
    if (got < 0 && errno != EINTR) return std::nullopt;
    if (got > 0) bytes.append(buffer.data(), static_cast<std::size_t>(got));
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno != EINTR) return false;
    if (put > 0) bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

// Gives the file a name no file has yet (".corrupt", ".corrupt.1", ...);
// false when it keeps its own name.
bool MoveAside(const fs::path& file) {
  for (int n = 0; n < kMaxNameTries; ++n) {
    std::string aside = file.string() + ".corrupt";
    if (n > 0) aside += "." + std::to_string(n);
    // Unlike rename, link never replaces a file that already has the name.
    if (::link(file.c_str(), aside.c_str()) == 0) return ::unlink(file.c_str()) == 0;
    if (errno != EEXIST) return false;
  }
  return false;
}

std::optional<mode_t> PermissionsOf(const fs::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return std::nullopt;
  return status.st_mode & 07777;
}

struct TempFile {
  std::string path;
  UniqueFd fd;
};

// A new file beside the target, readable by no one the final file would not
// let read it.
std::optional<TempFile> CreateTempBeside(const fs::path& target, std::optional<mode_t> mode) {
  const fs::path stem = target.parent_path() / ("." + target.filename().string());
  const std::string prefix = stem.string() + "." + std::to_string(::getpid()) + ".";
  for (int n = 0; n < kMaxNameTries; ++n) {
    std::string path = prefix + std::to_string(n);
    // The umask applies to this mode, as it does to any new file.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode ? (*mode & 0777) : 0644);
    if (fd >= 0) return TempFile{std::move(path), UniqueFd(fd)};
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

bool FillAndClose(UniqueFd& fd, std::string_view bytes, std::optional<mode_t> mode) {
  if (!WriteAll(fd.Get(), bytes)) return false;
  if (mode && ::fchmod(fd.Get(), *mode) != 0) return false;
  return ::fsync(fd.Get()) == 0 && fd.Close();
}

// Makes the rename itself durable; a failure here loses nothing already done.
void SyncFolder(const fs::path& folder) {
  const UniqueFd fd(
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());
}

// Readers see the old bytes or the new ones, never a part; on failure the old
// file stays and the temporary is gone.
bool ReplaceAtomically(const fs::path& target, std::string_view bytes) {
  const auto mode = PermissionsOf(target);
  auto temp = CreateTempBeside(target, mode);
  if (!temp) return false;
  if (FillAndClose(temp->fd, bytes, mode) && ::rename(temp->path.c_str(), target.c_str()) == 0) {
    SyncFolder(target.parent_path());
    return true;
  }
  ::unlink(temp->path.c_str());
  return false;
}

}  // namespace

bool StoreTextCutShort(std::string_view bytes) {
  if (bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r') return false;
  // The last logical line: the last physical one and those it continues.
  const auto lineStart = [&](std::size_t end) {
    const std::size_t at = bytes.find_last_of("\r\n", end == 0 ? 0 : end - 1);
    return end == 0 || at == std::string_view::npos ? std::size_t{0} : at + 1;
  };
  std::size_t start = lineStart(bytes.size());
  while (start > 0) {
    std::size_t end = start;
    while (end > 0 && (bytes[end - 1] == '\n' || bytes[end - 1] == '\r')) --end;
    const std::size_t previous = lineStart(end);
    std::string_view line = bytes.substr(previous, end - previous);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.back() != '\\') break;
    start = previous;
  }
  std::string last(bytes.substr(start));
  for (char& c : last) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return last.find("=dword:") != std::string::npos || last.find("=hex") != std::string::npos;
}

FileRegistry::FileRegistry(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<RegistryValue> FileRegistry::Query(RegistryRoot root, std::string_view keyPath,
                                                 std::string_view valueName, std::size_t maxBytes) {
  const Contents contents = Load();
  const RegistryValue* value = contents.tree.FindValue(FullKeyPath(root, keyPath), valueName);
  if (value == nullptr || value->data.size() > maxBytes) return std::nullopt;
  return *value;
}

bool FileRegistry::Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                       const RegistryValue& value) {
  Contents contents = Load();
  if (!contents.writable) return false;
  contents.tree.SetValue(FullKeyPath(root, keyPath), valueName, value);
  return Store(contents.tree);
}

bool FileRegistry::Remove(RegistryRoot root, std::string_view keyPath, std::string_view valueName) {
  Contents contents = Load();
  const std::string path = FullKeyPath(root, keyPath);
  if (contents.tree.FindValue(path, valueName) == nullptr) return true;
  contents.tree.RemoveValue(path, valueName);
  return contents.writable && Store(contents.tree);
}

FileRegistry::Contents FileRegistry::Load() const {
  const auto bytes = ReadWhole(file_);
  if (!bytes) return {{}, false};
  if (StoreTextCutShort(*bytes)) return {{}, MoveAside(file_)};
  if (auto tree = ParseRegedit4(*bytes)) return {std::move(*tree), true};
  return {{}, MoveAside(file_)};
}

bool FileRegistry::Store(const RegistryTree& tree) const {
  const std::string text = SerializeRegedit4(tree);
  // A name the text cannot hold (a line break in a value name) is refused
  // rather than written into a file that would not read back.
  if (ParseRegedit4(text) != tree) return false;
  const fs::path folder = file_.parent_path();
  std::error_code error;
  if (!folder.empty()) fs::create_directories(folder, error);
  return !error && ReplaceAtomically(file_, text);
}

}  // namespace talvora
