#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>

#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/resample.h"

namespace talvora::paint {
namespace {

// The area a path covers, in pixels, from its coverage.
double CoveredArea(const Path& path) {
  const Coverage coverage = Rasterize(path, {0, 0, 100, 100});
  double area = 0.0;
  const PixelRect& box = coverage.Box();
  for (int y = box.top; y < box.Bottom(); ++y) {
    for (int x = box.left; x < box.Right(); ++x) area += coverage.AlphaAt(x, y) / 256.0;
  }
  return area;
}

struct AreaCase {
  const char* name;
  Path path;
  double area;
  // Rows are sampled on five lines, so an edge across a row may be off by
  // a tenth of a pixel per pixel of its length.
  double tolerance = 0.05;
  friend std::ostream& operator<<(std::ostream& out, const AreaCase& c) { return out << c.name; }
};

class RasterizeTest : public testing::TestWithParam<AreaCase> {};

TEST_P(RasterizeTest, CoversTheShapesArea) {
  EXPECT_NEAR(CoveredArea(GetParam().path), GetParam().area, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RasterizeTest,
    testing::Values(
        AreaCase{"WholeSquare", Path().AddRect(10.0, 10.0, 20.0, 20.0), 400.0},
        AreaCase{"FractionalAcross", Path().AddRect(1.25, 2.0, 3.5, 3.0), 10.5},
        AreaCase{"FractionalDown", Path().AddRect(1.0, 2.5, 3.0, 2.25), 6.75, 2 * 0.1 * 3.0},
        AreaCase{"Circle", Path().AddCircle({50.0, 50.0}, 20.0), kPi * 400.0, 4.0},
        AreaCase{"Triangle", Path().AddPolygon({{10.0, 10.0}, {40.0, 10.0}, {10.0, 50.0}}), 600.0},
        AreaCase{"OverlapUnites",
                 Path().AddRect(0.0, 0.0, 20.0, 10.0).AddRect(10.0, 0.0, 20.0, 10.0), 300.0},
        AreaCase{"HoleCuts",
                 Path()
                     .AddRect(0.0, 0.0, 30.0, 30.0)
                     .AddHole({{10.0, 10.0}, {20.0, 10.0}, {20.0, 20.0}, {10.0, 20.0}}),
                 800.0},
        AreaCase{"ClippedAtTheEdge", Path().AddRect(-10.0, -10.0, 20.0, 20.0), 100.0},
        AreaCase{"Nothing", Path(), 0.0}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST(Rasterize, EdgePixelsAreShadedByTheirCoveredPart) {
  const Coverage coverage = Rasterize(Path().AddRect(2.0, 0.0, 1.5, 4.0), {0, 0, 10, 10});
  EXPECT_EQ(coverage.AlphaAt(2, 1), kOpaque);
  EXPECT_EQ(coverage.AlphaAt(3, 1), kOpaque / 2);
}

TEST(Color, BlendsInWholeNumbers) {
  EXPECT_EQ(Over(0x102030, 0xF0E0D0, 0), 0x102030U);
  EXPECT_EQ(Over(0x102030, 0xF0E0D0, kOpaque), 0xF0E0D0U);
  EXPECT_EQ(Over(0x000000, 0xFFFFFF, kOpaque / 2), 0x808080U);
  EXPECT_EQ(Mix(0x000000, 0x00FF00, 0.25), 0x004000U);
  EXPECT_EQ(Lift(0x10F080, 20), 0x24FF94U);
  EXPECT_EQ(Lift(0x10F080, -20), 0x00DC6CU);
  EXPECT_EQ(Scale(0x204080, 0.5), 0x102040U);
}

TEST(DeterministicMath, SineAndArcTangentMatchTheLibrary) {
  for (int i = -400; i <= 400; ++i) {
    const double turns = i / 97.0;
    EXPECT_NEAR(SinTurns(turns), std::sin(turns * 2.0 * kPi), 1e-12) << turns;
    EXPECT_NEAR(CosTurns(turns), std::cos(turns * 2.0 * kPi), 1e-12) << turns;
    const double x = std::cos(i * 0.37) * (1 + std::abs(i % 5));
    const double y = std::sin(i * 0.37) * (1 + std::abs(i % 5));
    EXPECT_NEAR(Atan2Turns(y, x), std::atan2(y, x) / (2.0 * kPi), 1e-6) << x << "," << y;
  }
  EXPECT_EQ(Atan2Turns(0.0, 0.0), 0.0);
}

TEST(DeterministicMath, FloorAndFractionOfNegativeValues) {
  EXPECT_EQ(FloorToInt(-0.5), -1);
  EXPECT_EQ(FloorToInt(-2.0), -2);
  EXPECT_EQ(FloorToInt(2.999), 2);
  EXPECT_DOUBLE_EQ(Fraction(-0.25), 0.75);
  EXPECT_DOUBLE_EQ(Fraction(3.5), 0.5);
}

TEST(Shrink, AveragesThePixelsUnderEachNewPixelByTheirCoveredPart) {
  Surface source(5, 1, 0xFF0000);
  source.At(1, 0) = kBlack;
  source.At(2, 0) = kWhite;
  source.At(3, 0) = kBlack;
  // Three pixels into two: each new pixel takes one and a half of them.
  const Surface shrunk = Shrink(source, {1, 0, 3, 1}, 2, 1);
  ASSERT_EQ(shrunk.Width(), 2);
  ASSERT_EQ(shrunk.Height(), 1);
  EXPECT_EQ(shrunk.At(0, 0), 0x555555U);
  EXPECT_EQ(shrunk.At(1, 0), 0x555555U);
  // The red outside the rectangle never leaks in.
  EXPECT_EQ(Shrink(source, {1, 0, 2, 1}, 1, 1).At(0, 0), 0x808080U);
}

}  // namespace
}  // namespace talvora::paint
