#include "runtime/graphics/paint_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/graphics/picture.h"
#include "runtime/graphics/surface.h"
#include "test_pictures.h"

namespace talvora {
namespace {

using testing::CoordinatePicture;
using testing::CoordinatePixel;

constexpr Pixel kUntouched = 0x00C0FFEE;

std::string ExtentText(std::optional<double> extent) {
  return extent ? std::to_string(*extent) : "own";
}

Picture Filled(int width, int height, Pixel color) {
  return Picture(Surface(width, height, color));
}

// The plain rule, pixel by pixel: the destination rectangle [left, left + width) x [top, top +
// height), each pixel taking the source pixel under its centre, copied where it is on the target.
Surface ReferenceCopy(Surface target, const Picture& picture, int left, int top, int width,
                      int height) {
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      const int x = left + i;
      const int y = top + j;
      if (x < 0 || y < 0 || x >= target.Width() || y >= target.Height()) continue;
      const auto sx = static_cast<int>(std::floor((i + 0.5) * picture.Width() / width));
      const auto sy = static_cast<int>(std::floor((j + 0.5) * picture.Height() / height));
      target.At(x, y) = picture.At(sx, sy);
    }
  }
  return target;
}

struct RasterCase {
  Pixel dest;
  Pixel source;
  RasterOp op;
  Pixel expected;
  friend std::ostream& operator<<(std::ostream& out, const RasterCase& c) {
    return out << std::hex << c.dest << " op " << static_cast<std::uint32_t>(c.op) << " "
               << c.source;
  }
};

class RasterOps : public ::testing::TestWithParam<RasterCase> {};

// Drawn both at its own size (straight spans) and stretched (a column map): every pixel combines.
TEST_P(RasterOps, CombineEveryPixelOnAll32Bits) {
  const RasterCase& c = GetParam();
  for (const std::optional<double> width : {std::optional<double>{}, std::optional<double>{6}}) {
    Surface target(6, 2, c.dest);
    PaintPicture(target, Filled(3, 1, c.source), 0, 0, width, width ? 2.0 : 1.0, c.op);
    const int drawn_width = width ? 6 : 3;
    for (int y = 0; y < target.Height(); ++y) {
      for (int x = 0; x < target.Width(); ++x) {
        const Pixel expected = x < drawn_width && y < (width ? 2 : 1) ? c.expected : c.dest;
        EXPECT_EQ(target.At(x, y), expected)
            << "at " << x << "," << y << " width " << ExtentText(width);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RasterOps,
    ::testing::Values(RasterCase{0x00123456, 0x00ABCDEF, RasterOp::kSrcCopy, 0x00ABCDEF},
                      RasterCase{0xFF000000, 0x00FFFFFF, RasterOp::kSrcCopy, 0x00FFFFFF},
                      RasterCase{0x00F0F0F0, 0x00FF00FF, RasterOp::kSrcAnd, 0x00F000F0},
                      RasterCase{0xFFFFFFFF, 0x12345678, RasterOp::kSrcAnd, 0x12345678},
                      RasterCase{0xFF00FF00, 0xF0F0F0F0, RasterOp::kSrcAnd, 0xF000F000},
                      RasterCase{0x00336699, 0x00FFFFFF, RasterOp::kSrcInvert, 0x00CC9966},
                      RasterCase{0xFF000000, 0x0F000001, RasterOp::kSrcInvert, 0xF0000001},
                      RasterCase{0x00ABCDEF, 0x00000000, RasterOp::kSrcInvert, 0x00ABCDEF},
                      // A code this renderer does not know leaves the target alone.
                      RasterCase{0x00123456, 0x00ABCDEF, static_cast<RasterOp>(0x00AA0029),
                                 0x00123456}));

// A sprite as the flying scenes draw it: its mask (black silhouette on white) with AND, then its
// image (picture on black) with XOR, into the same rectangle over a coloured background.
TEST(MaskedDrawing, ShowsTheImageInsideTheSilhouetteAndTheBackgroundElsewhere) {
  constexpr Pixel kBackground = 0x00336699;
  constexpr Pixel kRed = 0x00FF0000;
  constexpr Pixel kGreen = 0x0000FF00;
  Surface mask(4, 1, kWhite);
  mask.At(0, 0) = kBlack;
  mask.At(2, 0) = kBlack;
  Surface image(4, 1, kBlack);
  image.At(0, 0) = kRed;
  image.At(2, 0) = kGreen;
  const Picture mask_picture(mask);
  const Picture image_picture(image);

  for (const double scale : {1.0, 2.0}) {
    Surface target(10, 3, kBackground);
    PaintPicture(target, mask_picture, 1, 1, 4 * scale, scale, RasterOp::kSrcAnd);
    PaintPicture(target, image_picture, 1, 1, 4 * scale, scale, RasterOp::kSrcInvert);
    const Pixel sprite[] = {kRed, kBackground, kGreen, kBackground};
    for (int y = 0; y < target.Height(); ++y) {
      for (int x = 0; x < target.Width(); ++x) {
        const int i = x - 1;
        const int j = y - 1;
        const bool inside = i >= 0 && i < 4 * scale && j >= 0 && j < scale;
        const Pixel expected = inside ? sprite[static_cast<int>(i / scale)] : kBackground;
        EXPECT_EQ(target.At(x, y), expected) << "at " << x << "," << y << " scale " << scale;
      }
    }
  }
}

struct StretchCase {
  std::string name;
  int source_width;
  int source_height;
  double x;
  double y;
  std::optional<double> width;
  std::optional<double> height;
  std::vector<int> columns;  // source column of each drawn column from the left edge at 0
  std::vector<int> rows;
  friend std::ostream& operator<<(std::ostream& out, const StretchCase& c) { return out << c.name; }
};

class Stretching : public ::testing::TestWithParam<StretchCase> {};

TEST_P(Stretching, SamplesTheSourcePixelUnderEachCentre) {
  const StretchCase& c = GetParam();
  Surface target(8, 8, kUntouched);
  PaintPicture(target, CoordinatePicture(c.source_width, c.source_height), c.x, c.y, c.width,
               c.height);
  const auto drawn_width = static_cast<int>(c.columns.size());
  const auto drawn_height = static_cast<int>(c.rows.size());
  for (int y = 0; y < target.Height(); ++y) {
    for (int x = 0; x < target.Width(); ++x) {
      const bool inside = x < drawn_width && y < drawn_height;
      const Pixel expected = inside ? CoordinatePixel(c.columns[static_cast<std::size_t>(x)],
                                                      c.rows[static_cast<std::size_t>(y)])
                                    : kUntouched;
      EXPECT_EQ(target.At(x, y), expected) << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    HandComputed, Stretching,
    ::testing::Values(StretchCase{"own_size", 3, 2, 0, 0, {}, {}, {0, 1, 2}, {0, 1}},
                      StretchCase{"twice", 2, 2, 0, 0, 4, 4, {0, 0, 1, 1}, {0, 0, 1, 1}},
                      StretchCase{"half", 4, 4, 0, 0, 2, 2, {1, 3}, {1, 3}},
                      StretchCase{"three_to_five", 3, 2, 0, 0, 5, 3, {0, 0, 1, 2, 2}, {0, 1, 1}},
                      StretchCase{"five_to_three", 5, 5, 0, 0, 3, 2, {0, 2, 4}, {1, 3}},
                      StretchCase{"width_only", 3, 2, 0, 0, 6, {}, {0, 0, 1, 1, 2, 2}, {0, 1}},
                      StretchCase{"height_only", 2, 2, 0, 0, {}, 3, {0, 1}, {0, 1, 1}},
                      // A negative extent draws the exact mirror image of the plain draw.
                      StretchCase{"mirror_own_width", 3, 1, 3, 0, -3, {}, {2, 1, 0}, {0}},
                      StretchCase{"mirror_half", 4, 1, 2, 0, -2, {}, {3, 1}, {0}},
                      StretchCase{"mirror_three_to_five", 3, 1, 5, 0, -5, {}, {2, 2, 1, 0, 0}, {0}},
                      StretchCase{"mirror_both", 2, 2, 4, 2, -4, -2, {1, 1, 0, 0}, {1, 0}}),
    [](const auto& param_info) { return param_info.param.name; });

struct PlacementCase {
  double x;
  double y;
  std::optional<double> width;
  std::optional<double> height;
  friend std::ostream& operator<<(std::ostream& out, const PlacementCase& c) {
    return out << "at " << c.x << "," << c.y << " size " << ExtentText(c.width) << "x"
               << ExtentText(c.height);
  }
};

class Clipping : public ::testing::TestWithParam<PlacementCase> {};

// Whole-pixel placements: the draw must match the plain rule on every pixel of the target.
TEST_P(Clipping, DrawsOnlyThePartOnTheTarget) {
  const PlacementCase& c = GetParam();
  const Picture picture = CoordinatePicture(4, 3);
  const Surface blank(6, 5, kUntouched);
  Surface target = blank;
  PaintPicture(target, picture, c.x, c.y, c.width, c.height);
  const Surface expected =
      ReferenceCopy(blank, picture, static_cast<int>(c.x), static_cast<int>(c.y),
                    static_cast<int>(c.width.value_or(4)), static_cast<int>(c.height.value_or(3)));
  EXPECT_EQ(target, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Clipping,
    ::testing::Values(PlacementCase{-2, 1, {}, {}}, PlacementCase{4, 1, {}, {}},
                      PlacementCase{1, -2, {}, {}}, PlacementCase{1, 3, {}, {}},
                      PlacementCase{-2, -2, {}, {}}, PlacementCase{4, 3, {}, {}},
                      PlacementCase{-3, 1, 8, 2}, PlacementCase{3, -4, 5, 7},
                      PlacementCase{-10, -10, 30, 30}, PlacementCase{5, 4, 9, 9}));

INSTANTIATE_TEST_SUITE_P(FullyOutside, Clipping,
                         ::testing::Values(PlacementCase{-4, 0, {}, {}},
                                           PlacementCase{6, 0, {}, {}},
                                           PlacementCase{0, -3, {}, {}},
                                           PlacementCase{0, 5, {}, {}}, PlacementCase{-9, 0, 9, 3},
                                           PlacementCase{1000, -1000, {}, {}}));

TEST(Stretching, WideDrawsMatchThePlainRuleAcrossColumnChunks) {
  const Picture picture = CoordinatePicture(7, 3);
  const Surface blank(1300, 4, kUntouched);
  for (const int left : {-300, 0, 5}) {
    Surface target = blank;
    PaintPicture(target, picture, left, 1, 1601, 2);
    EXPECT_EQ(target, ReferenceCopy(blank, picture, left, 1, 1601, 2)) << "left " << left;
  }
}

struct FractionCase {
  double origin;
  std::optional<double> extent;
  int first;  // the first pixel drawn, before clipping
  int count;  // how many pixels the drawn span covers
  friend std::ostream& operator<<(std::ostream& out, const FractionCase& c) {
    return out << "at " << c.origin << " extent " << ExtentText(c.extent);
  }
};

class FractionalPlacement : public ::testing::TestWithParam<FractionCase> {};

// Each given edge goes to the nearest whole pixel, ties to even; an own size stays exact. The same
// rule holds along both axes.
TEST_P(FractionalPlacement, RoundsEachEdgeToTheNearestPixel) {
  const FractionCase& c = GetParam();
  const Surface blank(10, 1, kUntouched);
  Surface across = blank;
  PaintPicture(across, CoordinatePicture(3, 1), c.origin, 0, c.extent);
  EXPECT_EQ(across, ReferenceCopy(blank, CoordinatePicture(3, 1), c.first, 0, c.count, 1));

  const Surface blank_column(1, 10, kUntouched);
  Surface down = blank_column;
  PaintPicture(down, CoordinatePicture(1, 3), 0, c.origin, std::nullopt, c.extent);
  EXPECT_EQ(down, ReferenceCopy(blank_column, CoordinatePicture(1, 3), 0, c.first, 1, c.count));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FractionalPlacement,
    ::testing::Values(FractionCase{1.5, {}, 2, 3}, FractionCase{2.5, {}, 2, 3},
                      FractionCase{0.4, {}, 0, 3}, FractionCase{0.6, {}, 1, 3},
                      FractionCase{-0.5, {}, 0, 3}, FractionCase{-1.5, {}, -2, 3},
                      FractionCase{0.5, 3.0, 0, 4}, FractionCase{0.5, 2.0, 0, 2},
                      FractionCase{1.25, 2.5, 1, 3}, FractionCase{2.5, 4.4, 2, 5}));

TEST(HugeSizes, CostOnlyTheVisiblePixels) {
  const Picture picture = CoordinatePicture(2, 2);
  Surface covered(8, 8, kUntouched);
  PaintPicture(covered, picture, 0, 0, 1e9, 1e9);
  EXPECT_EQ(covered, Surface(8, 8, CoordinatePixel(0, 0)));

  // The target's columns lie at the middle of a 2e9-wide stretch: source column 1 begins there.
  // One row high, it samples the middle of the picture's height too, where row 1 begins.
  Surface middle(8, 1, kUntouched);
  PaintPicture(middle, picture, -1e9, 0, 2e9, 1);
  EXPECT_EQ(middle, Surface(8, 1, CoordinatePixel(1, 1)));

  // Edges beyond the 32-bit range stop at its ends, so the target lies just past the middle.
  Surface saturated(8, 8, kUntouched);
  PaintPicture(saturated, picture, -1e300, -1e300, 2e300, 2e300);
  EXPECT_EQ(saturated, Surface(8, 8, CoordinatePixel(1, 1)));
}

class DrawsNothing : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(DrawsNothing, LeavesTheTargetAlone) {
  const PlacementCase& c = GetParam();
  const Surface blank(6, 5, kUntouched);
  Surface target = blank;
  PaintPicture(target, CoordinatePicture(4, 3), c.x, c.y, c.width, c.height);
  EXPECT_EQ(target, blank);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Degenerate, DrawsNothing,
    ::testing::Values(PlacementCase{kNaN, 0, {}, {}}, PlacementCase{0, kNaN, {}, {}},
                      PlacementCase{0, 0, kNaN, {}}, PlacementCase{0, 0, {}, kNaN},
                      PlacementCase{kInfinity, 0, {}, {}}, PlacementCase{-kInfinity, 0, 5, 5},
                      PlacementCase{0, 0, kInfinity, 3}, PlacementCase{0, 0, 0, 3},
                      PlacementCase{0, 0, 3, 0}, PlacementCase{1, 1, 0.4, 3}));

TEST(DrawsNothing, AnEmptyPictureOrTarget) {
  Surface target(4, 4, kUntouched);
  PaintPicture(target, Picture(), 0, 0);
  PaintPicture(target, Picture(), 0, 0, 4, 4, RasterOp::kSrcInvert);
  EXPECT_EQ(target, Surface(4, 4, kUntouched));
  Surface empty;
  PaintPicture(empty, CoordinatePicture(2, 2), 0, 0, 5, 5);
  EXPECT_EQ(empty, Surface());
}

TEST(PaintPicture, DrawsACellOfALargerPicture) {
  const Picture cell = CoordinatePicture(6, 6).Part({2, 3, 2, 2});
  Surface target(3, 3, kUntouched);
  PaintPicture(target, cell, 1, 1);
  EXPECT_EQ(target.At(1, 1), CoordinatePixel(2, 3));
  EXPECT_EQ(target.At(2, 2), CoordinatePixel(3, 4));
  PaintPicture(target, cell, 0, 0, 1, 1);
  EXPECT_EQ(target.At(0, 0), CoordinatePixel(3, 4));
}

}  // namespace
}  // namespace talvora
