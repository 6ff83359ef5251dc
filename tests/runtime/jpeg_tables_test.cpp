#include "runtime/graphics/jpeg_tables.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace talvora {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes Segment(unsigned char marker, const Bytes& payload) {
  const std::size_t length = payload.size() + 2;
  Bytes out = {0xFF, marker, static_cast<unsigned char>(length >> 8),
               static_cast<unsigned char>(length)};
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

// One Huffman table declaring `codes` codes, spread over the 16 code lengths, codes included.
Bytes Table(std::size_t codes) {
  Bytes out = {0x00};
  for (std::size_t i = 0; i < 16; ++i) {
    out.push_back(static_cast<unsigned char>(codes / 16 + (i < codes % 16 ? 1 : 0)));
  }
  out.resize(out.size() + codes, 0x01);
  return out;
}

const Bytes kStart = {0xFF, 0xD8};
const Bytes kEnd = {0xFF, 0xD9};
const Bytes kScanHeader = Segment(0xDA, {1, 1, 0, 0, 63, 0});
// Compressed data with a stuffed 0xFF and a restart marker in it.
const Bytes kData = {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56};

struct TableCase {
  std::string name;
  Bytes bytes;
  bool fits;
  friend std::ostream& operator<<(std::ostream& out, const TableCase& c) { return out << c.name; }
};

class HuffmanTables : public ::testing::TestWithParam<TableCase> {};

TEST_P(HuffmanTables, FitOnlyWithAtMost256CodesEach) {
  EXPECT_EQ(JpegHuffmanTablesFit(GetParam().bytes), GetParam().fits);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HuffmanTables,
    ::testing::Values(
        TableCase{"full_table", Join({kStart, Segment(0xC4, Table(256)), kEnd}), true},
        TableCase{"one_code_too_many", Join({kStart, Segment(0xC4, Table(257)), kEnd}), false},
        TableCase{"second_table_of_a_segment",
                  Join({kStart, Segment(0xC4, Join({Table(12), Table(300)})), kEnd}), false},
        // The decoder reads a table even where the segment claims too short a length.
        TableCase{"table_past_a_short_length",
                  Join({kStart, Bytes{0xFF, 0xC4, 0x00, 0x03}, Table(400), kEnd}), false},
        TableCase{"between_scans",
                  Join({kStart, kScanHeader, kData, Segment(0xC4, Table(1000)), kEnd}), false},
        TableCase{"after_fill_bytes",
                  Join({kStart, Bytes{0xFF, 0xFF}, Segment(0xC4, Table(999)), kEnd}), false},
        TableCase{"start_after_fill_bytes",
                  Join({Bytes{0xFF, 0xFF}, kStart, Segment(0xC4, Table(999)), kEnd}), false},
        // Inside another segment or after the end the decoder never looks.
        TableCase{"inside_a_comment",
                  Join({kStart, Segment(0xFE, Segment(0xC4, Table(999))), kEnd}), true},
        TableCase{"after_the_end", Join({kStart, kEnd, Segment(0xC4, Table(999))}), true},
        TableCase{"cut_inside_a_table", Bytes{0xFF, 0xD8, 0xFF, 0xC4, 0x01, 0x00, 0x00, 0x10},
                  true},
        TableCase{"not_a_jpeg", Join({Bytes{'G', 'I', 'F'}, Segment(0xC4, Table(999))}), true},
        TableCase{"empty", Bytes{}, true}),
    [](const auto& param_info) { return param_info.param.name; });

}  // namespace
}  // namespace talvora
