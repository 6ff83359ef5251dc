#include "runtime/text/glyph_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talvora {
namespace {

// A glyph from rows of '#' (full coverage) and '.' (none), its first row
// `top` rows below the baseline.
GlyphImage FromRows(const std::vector<std::string>& rows, int top) {
  GlyphImage glyph{0, top, static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                   4, {}};
  for (const std::string& row : rows) {
    for (const char c : row) glyph.coverage.push_back(c == '#' ? 255 : 0);
  }
  return glyph;
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

TEST(GlyphImage, EmboldeningDrawsTheGlyphAgainOnePixelRight) {
  const GlyphImage bold = Emboldened(FromRows({"#.#", ".#."}, -2));
  EXPECT_EQ(RowsOf(bold), (std::vector<std::string>{"####", ".##."}));
  EXPECT_EQ(bold.advance, 5);
  EXPECT_EQ(bold.left, 0);
  EXPECT_EQ(bold.top, -2);
}

TEST(GlyphImage, EmboldeningKeepsTheStrongerCoverageWhereCopiesOverlap) {
  GlyphImage glyph{0, -1, 2, 1, 2, {200, 100}};
  const GlyphImage bold = Emboldened(glyph);
  EXPECT_EQ(bold.coverage, (std::vector<std::uint8_t>{200, 200, 100}));
}

TEST(GlyphImage, SlantingShiftsHigherRowsFurtherRight) {
  // Ten rows standing on the baseline, and one below it.
  std::vector<std::string> bar(10, "#");
  bar.push_back("#");
  const GlyphImage slanted = Slanted(FromRows(bar, -10), 0.21);
  const std::vector<std::string> rows = RowsOf(slanted);
  EXPECT_EQ(rows.front(), "..#");  // 9.5 rows up: a pixel right of the baseline row
  EXPECT_EQ(rows[9], ".#.");       // the row on the baseline stays
  EXPECT_EQ(rows.back(), "#..");   // below it, one pixel left
  EXPECT_EQ(slanted.left, -1);
  EXPECT_EQ(slanted.advance, 4);
}

TEST(GlyphImage, SlantingAnEmptyGlyphChangesNothing) {
  const GlyphImage blank{0, 0, 0, 0, 3, {}};
  EXPECT_EQ(Slanted(blank, 0.21), blank);
}

}  // namespace
}  // namespace talvora
