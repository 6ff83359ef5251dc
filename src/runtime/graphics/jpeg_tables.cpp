#include "runtime/graphics/jpeg_tables.h"

#include <cstddef>

namespace talvora {
namespace {

constexpr unsigned char kMarkerPrefix = 0xFF;
constexpr unsigned char kHuffmanTables = 0xC4;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr std::size_t kMaxCodesPerTable = 256;
constexpr std::size_t kCodeLengths = 16;

// A byte of the file, 0 past its end, as the decoder reads it.
std::size_t ByteAt(std::span<const unsigned char> bytes, std::size_t at) {
  return at < bytes.size() ? bytes[at] : 0;
}

// Markers without a length: stuffing after 0xFF in compressed data, TEM, the restart markers, the
// start and the end of the image.
bool StandsAlone(unsigned char marker) {
  return marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9);
}

// The tables of one segment, read as the decoder reads them: a class byte, 16 code counts and
// the codes, table after table while the segment's length is not used up (even past its end).
bool TablesFit(std::span<const unsigned char> bytes, std::size_t at, std::size_t length) {
  std::size_t used = 2;
  while (used < length) {
    std::size_t codes = 0;
    for (std::size_t i = 1; i <= kCodeLengths; ++i) codes += ByteAt(bytes, at + i);
    if (codes > kMaxCodesPerTable) return false;
    at += 1 + kCodeLengths + codes;
    used += 1 + kCodeLengths + codes;
  }
  return true;
}

}  // namespace

bool JpegHuffmanTablesFit(std::span<const unsigned char> bytes) {
  if (bytes.empty() || bytes[0] != kMarkerPrefix) return true;
  std::size_t at = 0;
  while (at + 1 < bytes.size()) {
    // Compressed data, padding and fill bytes: step on to the next marker.
    if (bytes[at] != kMarkerPrefix || bytes[at + 1] == kMarkerPrefix) {
      ++at;
      continue;
    }
    const unsigned char marker = bytes[at + 1];
    at += 2;
    if (marker == kEndOfImage) return true;
    if (StandsAlone(marker)) continue;
    const std::size_t length = ByteAt(bytes, at) << 8 | ByteAt(bytes, at + 1);
    if (marker == kHuffmanTables && !TablesFit(bytes, at + 2, length)) return false;
    at += length;
  }
  return true;
}

}  // namespace talvora
