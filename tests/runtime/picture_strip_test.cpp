#include "runtime/graphics/picture_strip.h"

#include <gtest/gtest.h>

#include <ostream>

#include "runtime/graphics/picture.h"
#include "test_pictures.h"

namespace talvora {
namespace {

using testing::CoordinatePicture;
using testing::CoordinatePixel;

TEST(Picture, DefaultIsEmpty) {
  const Picture picture;
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
  EXPECT_TRUE(Picture(Surface(0, 5)).Empty());
}

TEST(Picture, PartIsAViewCutToThePicture) {
  const Picture picture = CoordinatePicture(10, 8);
  const Picture part = picture.Part({7, 5, 6, 6});
  ASSERT_EQ(part.Width(), 3);
  ASSERT_EQ(part.Height(), 3);
  EXPECT_EQ(part.At(0, 0), CoordinatePixel(7, 5));
  EXPECT_EQ(part.Row(2)[2], CoordinatePixel(9, 7));
  EXPECT_EQ(part.Row(1).size(), 3u);

  const Picture nested = part.Part({1, 1, 1, 1});
  EXPECT_EQ(nested.At(0, 0), CoordinatePixel(8, 6));
  EXPECT_TRUE(picture.Part({10, 0, 4, 4}).Empty());
  EXPECT_TRUE(picture.Part({-3, -3, 3, 8}).Empty());
}

struct CellCase {
  int width;
  int height;
  int rows;
  int columns;
  int cell_width;
  int cell_height;
  int cell;
  int left;  // where the cell starts in the whole picture
  int top;
  friend std::ostream& operator<<(std::ostream& out, const CellCase& c) {
    return out << c.width << "x" << c.height << " as " << c.rows << "x" << c.columns << ", cell "
               << c.cell;
  }
};

class StripCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(StripCells, CellSizeAndPlace) {
  const CellCase& c = GetParam();
  const PictureStrip strip(CoordinatePicture(c.width, c.height), c.rows, c.columns);
  EXPECT_EQ(strip.CellWidth(), c.cell_width);
  EXPECT_EQ(strip.CellHeight(), c.cell_height);
  const Picture cell = strip.Cell(c.cell);
  ASSERT_EQ(cell.Width(), c.cell_width);
  ASSERT_EQ(cell.Height(), c.cell_height);
  EXPECT_EQ(cell.At(0, 0), CoordinatePixel(c.left, c.top));
  EXPECT_EQ(cell.At(c.cell_width - 1, c.cell_height - 1),
            CoordinatePixel(c.left + c.cell_width - 1, c.top + c.cell_height - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StripCells,
    ::testing::Values(CellCase{550, 462, 3, 5, 110, 154, 0, 0, 0},
                      CellCase{550, 462, 3, 5, 110, 154, 7, 220, 154},
                      CellCase{550, 462, 3, 5, 110, 154, 14, 440, 308},
                      CellCase{210, 60, 2, 7, 30, 30, 9, 60, 30},
                      CellCase{638, 400, 2, 2, 319, 200, 3, 319, 200},
                      // Sizes not divisible by the counts round down; the rest is in no cell.
                      CellCase{212, 61, 2, 7, 30, 30, 13, 180, 30},
                      CellCase{35, 193, 2, 1, 35, 96, 1, 0, 96}));

TEST(PictureStrip, CellsOutsideTheStripAreEmpty) {
  const PictureStrip strip(CoordinatePicture(550, 462), 3, 5);
  EXPECT_TRUE(strip.Cell(-1).Empty());
  EXPECT_TRUE(strip.Cell(15).Empty());
  EXPECT_TRUE(strip.Cell(1 << 30).Empty());
  EXPECT_FALSE(strip.Cell(14).Empty());
}

TEST(PictureStrip, CountsCanChangeAtAnyTime) {
  PictureStrip strip(CoordinatePicture(1000, 250));
  EXPECT_EQ(strip.CellWidth(), 1000);
  EXPECT_TRUE(strip.Cell(1).Empty());
  strip.SetColumns(5);
  EXPECT_EQ(strip.Columns(), 5);
  EXPECT_EQ(strip.CellWidth(), 200);
  EXPECT_EQ(strip.CellHeight(), 250);
  EXPECT_EQ(strip.Cell(4).At(0, 0), CoordinatePixel(800, 0));
  strip.SetRows(2);
  EXPECT_EQ(strip.Cell(5).At(0, 0), CoordinatePixel(0, 125));
}

TEST(PictureStrip, CountsBelowOneCountAsOne) {
  PictureStrip strip(CoordinatePicture(40, 20), 0, -3);
  EXPECT_EQ(strip.Rows(), 1);
  EXPECT_EQ(strip.Columns(), 1);
  strip.SetColumns(4);
  strip.SetColumns(0);
  EXPECT_EQ(strip.CellWidth(), 40);
}

TEST(PictureStrip, MoreCellsThanPixelsGiveEmptyCells) {
  const PictureStrip strip(CoordinatePicture(4, 4), 1, 8);
  EXPECT_EQ(strip.CellWidth(), 0);
  EXPECT_TRUE(strip.Cell(0).Empty());
  EXPECT_TRUE(PictureStrip().Cell(0).Empty());
}

}  // namespace
}  // namespace talvora
