#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <queue>
#include <string>
#include <vector>

#include "assets/motifs/football.h"
#include "assets/pictures.h"
#include "tests/assets/surface_checks.h"

namespace talvora {
namespace {

using testing_support::CountPixels;
using testing_support::Crop;
using testing_support::Fnv1a;

// A sprite strip: images in row 0, masks in row 1, any odd last row spare.
struct SpriteCase {
  const char* name;
  Surface (*make)();
  int cellWidth;
  int cellHeight;
  int cells;
  // The least share of a cell the sprite fills.
  double minimumFill;
  friend std::ostream& operator<<(std::ostream& out, const SpriteCase& c) { return out << c.name; }
};

constexpr SpriteCase kSprites[] = {
    {"Ball", MakeBallStrip, 30, 30, 7, 0.7},
    {"WorldCupTrophy", MakeWorldCupTrophy, 40, 95, 1, 0.35},
    {"JulesRimetTrophy", MakeJulesRimetTrophy, 35, 96, 1, 0.35},
};

class SpriteTest : public testing::TestWithParam<SpriteCase> {
 protected:
  void SetUp() override { strip_ = GetParam().make(); }

  Surface Image(int cell) const {
    return Crop(strip_,
                {cell * GetParam().cellWidth, 0, GetParam().cellWidth, GetParam().cellHeight});
  }
  Surface Mask(int cell) const {
    return Crop(strip_, {cell * GetParam().cellWidth, GetParam().cellHeight, GetParam().cellWidth,
                         GetParam().cellHeight});
  }

  Surface strip_;
};

TEST_P(SpriteTest, MaskIsBlackExactlyWhereTheImageIsNot) {
  for (int cell = 0; cell < GetParam().cells; ++cell) {
    const Surface image = Image(cell);
    const Surface mask = Mask(cell);
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        const Pixel expected = image.At(x, y) == kBlack ? kWhite : kBlack;
        ASSERT_EQ(mask.At(x, y), expected) << "cell " << cell << " at " << x << "," << y;
      }
    }
  }
}

TEST_P(SpriteTest, SilhouetteFillsTheCellWithoutHoles) {
  for (int cell = 0; cell < GetParam().cells; ++cell) {
    const Surface mask = Mask(cell);
    const int inside = CountPixels(mask, [](Pixel p) { return p == kBlack; });
    EXPECT_GT(inside, GetParam().minimumFill * mask.Width() * mask.Height()) << "cell " << cell;
    // Every white pixel of the mask is reached from the cell's border: a
    // black pixel inside the image would show as a hole.
    std::vector<bool> reached(static_cast<std::size_t>(mask.Width() * mask.Height()));
    std::queue<std::pair<int, int>> todo;
    const auto visit = [&](int x, int y) {
      if (x < 0 || y < 0 || x >= mask.Width() || y >= mask.Height()) return;
      const auto index = static_cast<std::size_t>(y * mask.Width() + x);
      if (reached[index] || mask.At(x, y) != kWhite) return;
      reached[index] = true;
      todo.push({x, y});
    };
    for (int x = 0; x < mask.Width(); ++x) {
      visit(x, 0);
      visit(x, mask.Height() - 1);
    }
    for (int y = 0; y < mask.Height(); ++y) {
      visit(0, y);
      visit(mask.Width() - 1, y);
    }
    while (!todo.empty()) {
      const auto [x, y] = todo.front();
      todo.pop();
      visit(x + 1, y);
      visit(x - 1, y);
      visit(x, y + 1);
      visit(x, y - 1);
    }
    const int white = CountPixels(mask, [](Pixel p) { return p == kWhite; });
    int outside = 0;
    for (const bool r : reached) outside += r ? 1 : 0;
    EXPECT_EQ(outside, white) << "cell " << cell;
  }
}

TEST_P(SpriteTest, SpareRowsBelowTheCellsStayBlack) {
  for (int y = 2 * GetParam().cellHeight; y < strip_.Height(); ++y) {
    for (int x = 0; x < strip_.Width(); ++x) EXPECT_EQ(strip_.At(x, y), kBlack) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(All, SpriteTest, testing::ValuesIn(kSprites),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(BallStrip, SevenDifferentFramesOfARoundBall) {
  const Surface strip = MakeBallStrip();
  std::vector<std::uint64_t> frames;
  for (int frame = 0; frame < 7; ++frame) {
    frames.push_back(Fnv1a(Crop(strip, {frame * 30, 0, 30, 30})));
    const Surface mask = Crop(strip, {frame * 30, 30, 30, 30});
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 30; ++x) {
        const double dx = x + 0.5 - 15.0;
        const double dy = y + 0.5 - 15.0;
        const double distance2 = dx * dx + dy * dy;
        if (distance2 < 13.0 * 13.0) {
          EXPECT_EQ(mask.At(x, y), kBlack) << x << "," << y;
        }
        if (distance2 > 15.2 * 15.2) {
          EXPECT_EQ(mask.At(x, y), kWhite) << x << "," << y;
        }
      }
    }
  }
  for (std::size_t a = 0; a < frames.size(); ++a) {
    for (std::size_t b = a + 1; b < frames.size(); ++b) {
      EXPECT_NE(frames[a], frames[b]) << "frames " << a << " and " << b;
    }
  }
}

// The pattern repeats every half turn of the spin, so the seventh frame
// leads smoothly back to the first.
TEST(Football, HalfATurnLooksTheSameAsNoTurn) {
  const auto draw = [](double spin) {
    Surface surface(40, 40);
    paint::Canvas canvas(surface);
    motifs::PaintFootball(canvas, {20.0, 20.0}, 18.0, spin);
    return surface;
  };
  const Surface start = draw(0.0);
  const Surface halfTurn = draw(0.5);
  const Surface quarterTurn = draw(0.25);
  int different = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const Pixel a = start.At(x, y);
      const Pixel b = halfTurn.At(x, y);
      // Rounding in the rotation may move a seam by a hair.
      const int gap = std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
                      std::abs(BlueOf(a) - BlueOf(b));
      different += gap > 6 ? 1 : 0;
    }
  }
  EXPECT_LT(different, 8);
  EXPECT_FALSE(start == quarterTurn);
}

}  // namespace
}  // namespace talvora
