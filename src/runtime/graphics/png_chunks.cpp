#include "runtime/graphics/png_chunks.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace talvora {
namespace {

constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<unsigned char, 4> kDataType = {'I', 'D', 'A', 'T'};
// A chunk's length and type before its data, and its CRC after.
constexpr std::size_t kChunkHead = 8;
constexpr std::size_t kChunkOverhead = 12;

std::uint32_t BigEndian32(std::span<const unsigned char> bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

bool IsEmptyDataChunk(std::span<const unsigned char> chunk) {
  return chunk.size() >= kChunkHead && BigEndian32(chunk) == 0 &&
         std::ranges::equal(chunk.subspan(4, 4), kDataType);
}

// The length of the chunk at the start of the bytes, header and CRC included, cut to the bytes.
std::size_t ChunkLength(std::span<const unsigned char> rest) {
  if (rest.size() < kChunkHead) return rest.size();
  const std::uint64_t whole = std::uint64_t{BigEndian32(rest)} + kChunkOverhead;
  return static_cast<std::size_t>(std::min<std::uint64_t>(whole, rest.size()));
}

}  // namespace

std::optional<std::vector<unsigned char>> PngWithoutEmptyDataChunks(
    std::span<const unsigned char> bytes) {
  if (bytes.size() < kSignature.size() || !std::ranges::equal(bytes.first(8), kSignature)) {
    return std::nullopt;
  }
  std::vector<unsigned char> kept(bytes.begin(), bytes.begin() + kSignature.size());
  bool dropped = false;
  for (auto rest = bytes.subspan(kSignature.size()); !rest.empty();) {
    const std::span<const unsigned char> chunk = rest.first(ChunkLength(rest));
    if (IsEmptyDataChunk(chunk)) {
      dropped = true;
    } else {
      kept.insert(kept.end(), chunk.begin(), chunk.end());
    }
    rest = rest.subspan(chunk.size());
  }
  if (!dropped) return std::nullopt;
  return kept;
}

}  // namespace talvora
