#include "platform/posix/posix_file_services.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <system_error>

#include "common/utf8_path.h"
#include "platform/file_contents.h"

namespace talvora {
namespace {

// A file descriptor closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool CopyBytes(int from, int to) {
  std::array<char, 65536> buffer{};
  while (true) {
    const ssize_t got = ::read(from, buffer.data(), buffer.size());
    if (got == 0) return true;
    if (got < 0) return false;
    for (ssize_t written = 0; written < got;) {
      const ssize_t put =
          ::write(to, buffer.data() + written, static_cast<std::size_t>(got - written));
      if (put <= 0) return false;
      written += put;
    }
  }
}

}  // namespace

bool PosixFileServices::CopyFile(std::string_view source, std::string_view destination) {
  const std::string target = PathToUtf8(PathFromUtf8(destination));
  const std::string beside = target + ".talvora-copy";
  Descriptor from(::open(PathFromUtf8(source).c_str(), O_RDONLY | O_CLOEXEC));
  if (from.Get() < 0) return false;
  ::unlink(beside.c_str());
  Descriptor to(::open(beside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (to.Get() < 0) return false;
  const bool copied = CopyBytes(from.Get(), to.Get()) && ::fsync(to.Get()) == 0 && to.Close();
  if (!copied || std::rename(beside.c_str(), target.c_str()) != 0) {
    ::unlink(beside.c_str());
    return false;
  }
  return true;
}

bool PosixFileServices::SetAttributes(std::string_view path, std::uint32_t /*attributes*/) {
  std::error_code error;
  return std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

bool PosixFileServices::SameContents(std::string_view a, std::string_view b) {
  return FilesHaveSameContents(PathFromUtf8(a), PathFromUtf8(b));
}

std::unique_ptr<FileServices> MakeSystemFileServices() {
  return std::make_unique<PosixFileServices>();
}

}  // namespace talvora
