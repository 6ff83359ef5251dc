#include "runtime/graphics/png_chunks.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace talvora {
namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Chunks with their lengths and a dummy CRC; the decoder does not check CRCs.
const Bytes kHeader = {0, 0, 0, 2, 'I', 'H', 'D', 'R', 7, 7, 1, 2, 3, 4};
const Bytes kData = {0, 0, 0, 1, 'I', 'D', 'A', 'T', 9, 1, 2, 3, 4};
const Bytes kEmptyData = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 1, 2, 3, 4};
const Bytes kEmptyEnd = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 1, 2, 3, 4};
// A chunk that claims more bytes than the file holds.
const Bytes kCutShort = {0, 0, 1, 0, 'I', 'D', 'A', 'T', 5};

Bytes Png(std::initializer_list<Bytes> chunks) {
  Bytes out = kSignature;
  for (const Bytes& chunk : chunks) out.insert(out.end(), chunk.begin(), chunk.end());
  return out;
}

struct ChunkCase {
  std::string name;
  Bytes bytes;
  std::optional<Bytes> cleaned;
  friend std::ostream& operator<<(std::ostream& out, const ChunkCase& c) { return out << c.name; }
};

class EmptyDataChunks : public ::testing::TestWithParam<ChunkCase> {};

TEST_P(EmptyDataChunks, AreDroppedAndNothingElse) {
  EXPECT_EQ(PngWithoutEmptyDataChunks(GetParam().bytes), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EmptyDataChunks,
    ::testing::Values(
        ChunkCase{"not_png", {'B', 'M', 0, 0, 0, 0, 'I', 'D', 'A', 'T'}, std::nullopt},
        ChunkCase{"signature_only", kSignature, std::nullopt},
        ChunkCase{"none_empty", Png({kHeader, kData, kEmptyEnd}), std::nullopt},
        ChunkCase{"empty_first", Png({kHeader, kEmptyData, kData, kEmptyEnd}),
                  Png({kHeader, kData, kEmptyEnd})},
        ChunkCase{"several_empty", Png({kHeader, kEmptyData, kData, kEmptyData, kEmptyEnd}),
                  Png({kHeader, kData, kEmptyEnd})},
        ChunkCase{"cut_short_chunk_kept", Png({kHeader, kEmptyData, kCutShort}),
                  Png({kHeader, kCutShort})},
        ChunkCase{"empty_chunk_cut_in_its_crc",
                  Png({kHeader, Bytes(kEmptyData.begin(), kEmptyData.end() - 2)}), Png({kHeader})}),
    [](const auto& param_info) { return param_info.param.name; });

}  // namespace
}  // namespace talvora
