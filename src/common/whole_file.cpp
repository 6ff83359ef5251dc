#include "common/whole_file.h"

#include <fstream>
#include <iterator>

namespace talvora {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in;
  // Unbuffered: the bytes go straight into the string, with no stream buffer made.
  in.rdbuf()->pubsetbuf(nullptr, 0);
  in.open(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
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
  return bytes;
}

}  // namespace talvora
