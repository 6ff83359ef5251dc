#include "assets/pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <string>

#include "tests/assets/surface_checks.h"

namespace talvora {
namespace {

using testing_support::CountPixels;
using testing_support::Crop;
using testing_support::Fnv1a;

struct PictureCase {
  const char* name;
  Surface (*make)();
  int width;
  int height;
  // The same on every platform: the native and the Windows build check it.
  std::uint64_t hash;
  friend std::ostream& operator<<(std::ostream& out, const PictureCase& c) { return out << c.name; }
};

constexpr PictureCase kPictures[] = {
    {"BallStrip", MakeBallStrip, 210, 60, 0xF3D7979004ECCD91ULL},
    {"WorldCupTrophy", MakeWorldCupTrophy, 40, 191, 0x824A99AE3F3C5DFFULL},
    {"JulesRimetTrophy", MakeJulesRimetTrophy, 35, 193, 0xE6D822C7DD34AA9BULL},
    {"PosterStrip", MakePosterStrip, 550, 462, 0xF6A6D65AA278F518ULL},
    {"ChampionStrip", MakeChampionStrip, 638, 400, 0xEA8DE3C471DE80DAULL},
    {"TableBackgrounds", MakeTableBackgrounds, 1000, 250, 0x8714930444D439B3ULL},
    {"Badge", MakeBadge, 50, 62, 0xC16ADE6228D300E6ULL},
    {"BallsPreview", MakeBallsPreview, 100, 220, 0x15491128AD165546ULL},
    {"TrophiesPreview", MakeTrophiesPreview, 100, 220, 0xABA2B639A457263CULL},
    {"JulesRimetPreview", MakeJulesRimetPreview, 100, 220, 0xE2B165190A017B23ULL},
    {"WorldCupPreview", MakeWorldCupPreview, 100, 220, 0x22394795FDD84F4BULL},
    {"PosterCollagePreview", MakePosterCollagePreview, 100, 221, 0x7199E969D0096755ULL},
    {"ChampionsPreview", MakeChampionsPreview, 100, 220, 0xE36D86ADE3F3F438ULL},
    {"TablePreview", MakeTablePreview, 100, 220, 0x480A0D01C721389DULL},
};

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, HasItsExactSize) {
  const Surface picture = GetParam().make();
  EXPECT_EQ(picture.Width(), GetParam().width);
  EXPECT_EQ(picture.Height(), GetParam().height);
}

TEST_P(PictureTest, IsTheSameOnEveryCallAndEveryPlatform) {
  const Surface first = GetParam().make();
  const Surface second = GetParam().make();
  EXPECT_TRUE(first == second);
  EXPECT_EQ(Fnv1a(first), GetParam().hash) << std::hex << "0x" << Fnv1a(first);
}

TEST_P(PictureTest, IsNoFlatPlaceholder) {
  const Surface picture = GetParam().make();
  const std::set<Pixel> colors(picture.Pixels().begin(), picture.Pixels().end());
  EXPECT_GT(colors.size(), 200U);
}

INSTANTIATE_TEST_SUITE_P(All, PictureTest, testing::ValuesIn(kPictures),
                         [](const auto& instance) { return std::string(instance.param.name); });

// Cells of the picture strips are each a picture of their own.
struct CellCase {
  const char* name;
  Surface (*make)();
  int rows;
  int columns;
  friend std::ostream& operator<<(std::ostream& out, const CellCase& c) { return out << c.name; }
};

class StripCellsTest : public testing::TestWithParam<CellCase> {};

TEST_P(StripCellsTest, EveryCellDiffersFromEveryOther) {
  const Surface strip = GetParam().make();
  const int width = strip.Width() / GetParam().columns;
  const int height = strip.Height() / GetParam().rows;
  std::set<std::uint64_t> seen;
  for (int row = 0; row < GetParam().rows; ++row) {
    for (int column = 0; column < GetParam().columns; ++column) {
      const Surface cell = Crop(strip, {column * width, row * height, width, height});
      EXPECT_TRUE(seen.insert(Fnv1a(cell)).second) << "cell " << row * GetParam().columns + column;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Strips, StripCellsTest,
                         testing::Values(CellCase{"Posters", MakePosterStrip, 3, 5},
                                         CellCase{"Champions", MakeChampionStrip, 2, 2},
                                         CellCase{"TableBackgrounds", MakeTableBackgrounds, 1, 5}),
                         [](const auto& instance) { return std::string(instance.param.name); });

// The results panel writes its games in white, so each background must be
// its named colour and dark enough where the games go.
enum class Hue { kBlue, kYellow, kGreen, kRed };

struct PanelCase {
  int index;
  Hue hue;
  bool hasBall;
  friend std::ostream& operator<<(std::ostream& out, const PanelCase& c) {
    return out << "panel " << c.index;
  }
};

class TablePanelTest : public testing::TestWithParam<PanelCase> {
 protected:
  static Surface Panel(int index) {
    return Crop(MakeTableBackgrounds(), {index * 200, 0, 200, 250});
  }
};

TEST_P(TablePanelTest, IsItsColourWhereTheGamesAre) {
  const Surface games = Crop(Panel(GetParam().index), {10, 60, 180, 170});
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  for (const Pixel p : games.Pixels()) {
    red += RedOf(p);
    green += GreenOf(p);
    blue += BlueOf(p);
  }
  const double n = static_cast<double>(games.Pixels().size());
  red /= n;
  green /= n;
  blue /= n;
  switch (GetParam().hue) {
    case Hue::kBlue:
      EXPECT_GT(blue, 1.5 * red);
      EXPECT_GT(blue, 1.2 * green);
      break;
    case Hue::kYellow:
      EXPECT_GT(red, 2.0 * blue);
      EXPECT_GT(green, 1.5 * blue);
      EXPECT_GT(green, 0.6 * red);
      break;
    case Hue::kGreen:
      EXPECT_GT(green, 1.5 * red);
      EXPECT_GT(green, 1.5 * blue);
      break;
    case Hue::kRed:
      EXPECT_GT(red, 2.0 * green);
      EXPECT_GT(red, 2.0 * blue);
      break;
  }
  // White text stays readable: no channel average near white.
  EXPECT_LT(red + green + blue, 3.0 * 175.0);
}

TEST_P(TablePanelTest, CarriesAFootballAlongTheTopOrTheTrophy) {
  const Surface panel = Panel(GetParam().index);
  const auto whiteish = [](Pixel p) {
    return RedOf(p) > 200 && GreenOf(p) > 200 && BlueOf(p) > 200;
  };
  const int ballWhite = CountPixels(Crop(panel, {160, 8, 34, 34}), whiteish);
  const auto gold = [](Pixel p) {
    return RedOf(p) > 150 && GreenOf(p) > 90 && BlueOf(p) < 0.6 * GreenOf(p) &&
           RedOf(p) > GreenOf(p);
  };
  const int trophyGold = CountPixels(Crop(panel, {70, 12, 60, 130}), gold);
  if (GetParam().hasBall) {
    EXPECT_GT(ballWhite, 150);
  } else {
    EXPECT_EQ(ballWhite, 0);
    EXPECT_GT(trophyGold, 1000);
  }
}

INSTANTIATE_TEST_SUITE_P(Panels, TablePanelTest,
                         testing::Values(PanelCase{0, Hue::kBlue, true},
                                         PanelCase{1, Hue::kYellow, true},
                                         PanelCase{2, Hue::kGreen, true},
                                         PanelCase{3, Hue::kRed, true},
                                         PanelCase{4, Hue::kRed, false}));

TEST(ChampionStrip, EachQuarterCarriesItsCaptionInGreen) {
  const Surface strip = MakeChampionStrip();
  for (int quarter = 0; quarter < 4; ++quarter) {
    const Surface caption = Crop(strip, {(quarter % 2) * 319, (quarter / 2) * 200 + 150, 319, 36});
    const int green = CountPixels(
        caption, [](Pixel p) { return GreenOf(p) > 150 && RedOf(p) < 80 && BlueOf(p) < 110; });
    EXPECT_GT(green, 1500) << "quarter " << quarter;
  }
}

TEST(Badge, IsAGreenTileWithRoundedCorners) {
  const Surface badge = MakeBadge();
  EXPECT_EQ(badge.At(0, 0), kBlack);
  EXPECT_EQ(badge.At(49, 61), kBlack);
  const int green = CountPixels(
      badge, [](Pixel p) { return GreenOf(p) > RedOf(p) + 30 && GreenOf(p) > BlueOf(p) + 30; });
  EXPECT_GT(green, 50 * 62 / 3);
}

}  // namespace
}  // namespace talvora
