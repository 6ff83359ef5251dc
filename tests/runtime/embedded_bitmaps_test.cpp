#include "runtime/text/embedded_bitmaps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace talvora {
namespace {

class ByteWriter {
 public:
  ByteWriter& U8(unsigned value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    return *this;
  }
  ByteWriter& U16(unsigned value) { return U8(value >> 8).U8(value); }
  ByteWriter& U32(unsigned value) { return U16(value >> 16).U16(value); }
  ByteWriter& Zeros(std::size_t count) {
    bytes_.insert(bytes_.end(), count, 0);
    return *this;
  }
  ByteWriter& Append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  unsigned Size() const { return static_cast<unsigned>(bytes_.size()); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Glyph images: 5 and 6 each with small metrics and bit-aligned rows (image
// format 2); 10 and 11 bits only, sharing the metrics of their index table
// (image format 5).
std::vector<std::uint8_t> ImageTable() {
  ByteWriter t;
  t.U32(0x00020000);
  t.U8(2).U8(3).U8(1).U8(2).U8(5).U8(0b10101000);  // 5: "#.#" over ".#."
  t.U8(1).U8(2).U8(0).U8(1).U8(3).U8(0b11000000);  // 6: "##"
  t.U8(0b10010000);                                // 10: "#." over ".#"
  t.U8(0b01100000);                                // 11: ".#" over "#."
  return t.Bytes();
}

void StrikeRecord(ByteWriter& t, unsigned arrayOffset, unsigned bitDepth) {
  t.U32(arrayOffset).U32(0).U32(2).U32(0);
  t.U8(11).U8(0xFE).Zeros(10);  // ascender 11, descender -2
  t.Zeros(12);
  t.U16(5).U16(11).U8(13).U8(13).U8(bitDepth).U8(1);
}

// One 1-bit strike of 13 pixels and one 8-bit strike that is of no use; the
// first glyph 6 image ends at sixthEnd.
std::vector<std::uint8_t> LocationTable(unsigned sixthEnd) {
  constexpr unsigned kArray = 8 + 2 * 48;
  constexpr unsigned kFirstSubtable = 16;
  constexpr unsigned kSecondSubtable = kFirstSubtable + 8 + 3 * 4;
  ByteWriter t;
  t.U32(0x00020000).U32(2);
  StrikeRecord(t, kArray, 1);
  StrikeRecord(t, kArray, 8);
  t.U16(5).U16(6).U32(kFirstSubtable);
  t.U16(10).U16(11).U32(kSecondSubtable);
  t.U16(1).U16(2).U32(4).U32(0).U32(6).U32(sixthEnd);
  t.U16(2).U16(5).U32(16).U32(1);
  t.U8(2).U8(2).U8(0).U8(2).U8(3).Zeros(3);
  return t.Bytes();
}

// A font file holding only the two bitmap tables; extraImageLength makes its
// directory claim more image bytes than the file has.
std::vector<std::uint8_t> FontFile(unsigned sixthEnd = 12, unsigned extraImageLength = 0) {
  const std::vector<std::uint8_t> locations = LocationTable(sixthEnd);
  const std::vector<std::uint8_t> images = ImageTable();
  const unsigned firstTable = 12 + 2 * 16;
  ByteWriter file;
  file.U32(0x00010000).U16(2).Zeros(6);
  file.U8('E').U8('B').U8('D').U8('T').U32(0);
  file.U32(firstTable + static_cast<unsigned>(locations.size()));
  file.U32(static_cast<unsigned>(images.size()) + extraImageLength);
  file.U8('E').U8('B').U8('L').U8('C').U32(0).U32(firstTable);
  file.U32(static_cast<unsigned>(locations.size()));
  return file.Append(locations).Append(images).Bytes();
}

std::vector<std::string> RowsOf(const GlyphImage& glyph) {
  std::vector<std::string> rows;
  for (int y = 0; y < glyph.height; ++y) {
    std::string row;
    for (int x = 0; x < glyph.width; ++x) row.push_back(glyph.At(x, y) == 255 ? '#' : '.');
    rows.push_back(row);
  }
  return rows;
}

using Rows = std::vector<std::string>;

TEST(EmbeddedBitmaps, ReadsTheOneBitStrikes) {
  const std::vector<std::uint8_t> file = FontFile();
  const auto bitmaps = EmbeddedBitmaps::Read(BigEndianBytes(file));
  EXPECT_EQ(bitmaps.Strikes(), (std::vector<BitmapStrike>{{13, 11, 2}}));
}

TEST(EmbeddedBitmaps, ReadsGlyphsWithTheirOwnMetrics) {
  const std::vector<std::uint8_t> file = FontFile();
  const auto bitmaps = EmbeddedBitmaps::Read(BigEndianBytes(file));
  const auto five = bitmaps.Glyph(0, 5);
  ASSERT_TRUE(five);
  EXPECT_EQ(RowsOf(*five), (Rows{"#.#", ".#."}));
  EXPECT_EQ(five->left, 1);
  EXPECT_EQ(five->top, -2);
  EXPECT_EQ(five->advance, 5);
  const auto six = bitmaps.Glyph(0, 6);
  ASSERT_TRUE(six);
  EXPECT_EQ(RowsOf(*six), (Rows{"##"}));
  EXPECT_EQ(six->top, -1);
}

TEST(EmbeddedBitmaps, ReadsGlyphsThatShareTheirMetrics) {
  const std::vector<std::uint8_t> file = FontFile();
  const auto bitmaps = EmbeddedBitmaps::Read(BigEndianBytes(file));
  const auto ten = bitmaps.Glyph(0, 10);
  const auto eleven = bitmaps.Glyph(0, 11);
  ASSERT_TRUE(ten && eleven);
  EXPECT_EQ(RowsOf(*ten), (Rows{"#.", ".#"}));
  EXPECT_EQ(RowsOf(*eleven), (Rows{".#", "#."}));
  EXPECT_EQ(eleven->advance, 3);
  EXPECT_EQ(eleven->top, -2);
}

TEST(EmbeddedBitmaps, GlyphsOutsideTheStrikeHaveNoImage) {
  const std::vector<std::uint8_t> file = FontFile();
  const auto bitmaps = EmbeddedBitmaps::Read(BigEndianBytes(file));
  EXPECT_FALSE(bitmaps.Glyph(0, 7));
  EXPECT_FALSE(bitmaps.Glyph(0, 12));
  EXPECT_FALSE(bitmaps.Glyph(1, 5));  // the 8-bit strike was left out
}

TEST(EmbeddedBitmaps, DamagedTablesGiveNoImageRatherThanReadingPastThem) {
  const std::vector<std::uint8_t> pastTheImages = FontFile(200);
  const auto bitmaps = EmbeddedBitmaps::Read(BigEndianBytes(pastTheImages));
  EXPECT_FALSE(bitmaps.Glyph(0, 6));
  EXPECT_TRUE(bitmaps.Glyph(0, 5));

  const std::vector<std::uint8_t> tableLongerThanFile = FontFile(12, 1);
  EXPECT_TRUE(EmbeddedBitmaps::Read(BigEndianBytes(tableLongerThanFile)).Strikes().empty());

  const std::vector<std::uint8_t> file = FontFile();
  const std::vector<std::uint8_t> cut(file.begin(), file.begin() + 60);
  EXPECT_TRUE(EmbeddedBitmaps::Read(BigEndianBytes(cut)).Strikes().empty());
}

}  // namespace
}  // namespace talvora
