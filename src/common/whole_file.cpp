#include "common/whole_file.h"

#include <fstream>
#include <iterator>

namespace talvora {

bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
  bytes.clear();
  std::ifstream in;
  // A one-byte buffer of our own leaves the stream unbuffered without it
  // allocating one: the bytes go straight into the string.
  char unbuffered = 0;
  in.rdbuf()->pubsetbuf(&unbuffered, 1);
  in.open(file, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0 && in) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  }
  // What a file that grew meanwhile, or one without a size, holds beyond it.
  in.clear();
  bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) return std::nullopt;
  return bytes;
}

}  // namespace talvora
