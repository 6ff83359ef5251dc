#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <utility>

#include "assets/pictures.h"
#include "tests/assets/surface_checks.h"

namespace talvora {
namespace {

using testing_support::CountPixels;
using testing_support::Crop;
using testing_support::Fnv1a;

constexpr Pixel kTeal = 0x008080;
constexpr Pixel kDialogFace = 0xC0C0C0;

bool IsBright(Pixel p) { return RedOf(p) > 200 && GreenOf(p) > 200 && BlueOf(p) > 200; }
bool IsRed(Pixel p) { return RedOf(p) > 150 && GreenOf(p) < 90 && BlueOf(p) < 90; }
// The Jules Rimet cup's lapis-lazuli base.
bool IsLapis(Pixel p) { return BlueOf(p) > 120 && BlueOf(p) > RedOf(p) + 60; }
// The World Cup trophy's malachite bands.
bool IsMalachite(Pixel p) { return GreenOf(p) > RedOf(p) + 40 && GreenOf(p) > BlueOf(p) + 20; }

// The previews are shown unscaled in a black box; each leaves its ground
// at the corners.
struct GroundCase {
  const char* name;
  Surface (*make)();
  Pixel ground;
  friend std::ostream& operator<<(std::ostream& out, const GroundCase& c) { return out << c.name; }
};

class PreviewGroundTest : public testing::TestWithParam<GroundCase> {};

TEST_P(PreviewGroundTest, ShowsAtEveryCorner) {
  const Surface preview = GetParam().make();
  const int right = preview.Width() - 1;
  const int bottom = preview.Height() - 1;
  EXPECT_EQ(preview.At(0, 0), GetParam().ground);
  EXPECT_EQ(preview.At(right, 0), GetParam().ground);
  EXPECT_EQ(preview.At(0, bottom), GetParam().ground);
  EXPECT_EQ(preview.At(right, bottom), GetParam().ground);
}

INSTANTIATE_TEST_SUITE_P(Previews, PreviewGroundTest,
                         testing::Values(GroundCase{"Balls", MakeBallsPreview, kBlack},
                                         GroundCase{"Trophies", MakeTrophiesPreview, kBlack},
                                         GroundCase{"JulesRimet", MakeJulesRimetPreview, kBlack},
                                         GroundCase{"WorldCup", MakeWorldCupPreview, kBlack},
                                         GroundCase{"Table", MakeTablePreview, kTeal}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(BallsPreview, ShowsTheWhiteOfThreeBalls) {
  const Surface preview = MakeBallsPreview();
  // The three balls lie in the upper left, the middle and the lower half.
  EXPECT_GT(CountPixels(Crop(preview, {8, 30, 36, 36}), IsBright), 150);
  EXPECT_GT(CountPixels(Crop(preview, {52, 79, 18, 18}), IsBright), 30);
  EXPECT_GT(CountPixels(Crop(preview, {36, 145, 54, 54}), IsBright), 600);
}

// The trophy picture follows the trophy boxes, so each must show exactly
// the trophies it stands for.
struct TrophyCase {
  const char* name;
  Surface (*make)();
  bool julesRimet;
  bool worldCup;
  friend std::ostream& operator<<(std::ostream& out, const TrophyCase& c) { return out << c.name; }
};

class TrophyPreviewTest : public testing::TestWithParam<TrophyCase> {};

TEST_P(TrophyPreviewTest, ShowsItsTrophiesAndNoOther) {
  const Surface preview = GetParam().make();
  const int lapis = CountPixels(preview, IsLapis);
  const int malachite = CountPixels(preview, IsMalachite);
  if (GetParam().julesRimet) {
    EXPECT_GT(lapis, 300);
  } else {
    EXPECT_EQ(lapis, 0);
  }
  if (GetParam().worldCup) {
    EXPECT_GT(malachite, 150);
  } else {
    EXPECT_EQ(malachite, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Previews, TrophyPreviewTest,
                         testing::Values(TrophyCase{"Both", MakeTrophiesPreview, true, true},
                                         TrophyCase{"JulesRimet", MakeJulesRimetPreview, true,
                                                    false},
                                         TrophyCase{"WorldCup", MakeWorldCupPreview, false, true}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(TablePreview, CarriesTheRedTitleBoxWithWhiteLettering) {
  const Surface box = Crop(MakeTablePreview(), {6, 9, 84, 46});
  EXPECT_GT(CountPixels(box, IsRed), 84 * 46 / 2);
  EXPECT_GT(CountPixels(box, [](Pixel p) { return p == kWhite; }), 150);
}

// The icon is drawn on the dialog's face; a different ground shows it is
// laid on the one given.
struct IconCase {
  int size;
  Pixel background;
  std::uint64_t hash;
  friend std::ostream& operator<<(std::ostream& out, const IconCase& c) {
    return out << c.size << " on " << std::hex << c.background;
  }
};

class ProductIconTest : public testing::TestWithParam<IconCase> {};

TEST_P(ProductIconTest, IsABallOnTheGivenBackground) {
  const int size = GetParam().size;
  const Pixel background = GetParam().background;
  const Surface icon = MakeProductIcon(size, background);
  ASSERT_EQ(icon.Width(), size);
  ASSERT_EQ(icon.Height(), size);
  for (const auto& [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
    EXPECT_EQ(icon.At(x, y), background) << x << "," << y;
  }
  EXPECT_EQ(icon, MakeProductIcon(size, background));
  EXPECT_EQ(Fnv1a(icon), GetParam().hash) << std::hex << "0x" << Fnv1a(icon);
  // White leather with a black patch in the middle.
  EXPECT_GT(CountPixels(icon, IsBright), size * size / 5);
  const Pixel middle = icon.At(size / 2, size / 2);
  EXPECT_LT(RedOf(middle) + GreenOf(middle) + BlueOf(middle), 120);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ProductIconTest,
                         testing::Values(IconCase{16, kDialogFace, 0x4A54231C90368B49ULL},
                                         IconCase{32, kDialogFace, 0x060ADE5068F54D7FULL},
                                         IconCase{32, 0x000080, 0x7518B698ABF314A7ULL}));

TEST(ProductIconLayers, AreClearOutsideTheBallAndOpaqueInside) {
  const ClearPicture icon = MakeProductIconLayers(48);
  ASSERT_EQ(icon.color.Width(), 48);
  ASSERT_EQ(icon.opacity.Height(), 48);
  EXPECT_EQ(icon.opacity.At(0, 0), kBlack);
  EXPECT_EQ(icon.opacity.At(47, 47), kBlack);
  EXPECT_EQ(icon.opacity.At(24, 24), kWhite);
  EXPECT_EQ(icon.opacity.At(24, 3), kWhite);
  // Grey levels only, and no stray colour where the ball is half there.
  for (const Pixel p : icon.opacity.Pixels()) {
    EXPECT_TRUE(RedOf(p) == GreenOf(p) && GreenOf(p) == BlueOf(p)) << std::hex << p;
  }
}

class HandCursorTest : public testing::Test {
 protected:
  bool Opaque(int x, int y) const { return cursor_.mask.At(x, y) == kBlack; }

  const CursorPicture cursor_ = MakeHandCursor();
};

TEST_F(HandCursorTest, IsA32By32MonochromeCursorThatNeverInverts) {
  ASSERT_EQ(cursor_.image.Width(), 32);
  ASSERT_EQ(cursor_.image.Height(), 32);
  ASSERT_EQ(cursor_.mask.Width(), 32);
  ASSERT_EQ(cursor_.mask.Height(), 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Pixel image = cursor_.image.At(x, y);
      const Pixel mask = cursor_.mask.At(x, y);
      EXPECT_TRUE(image == kBlack || image == kWhite) << x << "," << y;
      EXPECT_TRUE(mask == kBlack || mask == kWhite) << x << "," << y;
      // Clear pixels leave the screen alone rather than invert it.
      if (mask == kWhite) {
        EXPECT_EQ(image, kBlack) << x << "," << y;
      }
    }
  }
}

TEST_F(HandCursorTest, PointsWithTheFingerTipAtTheHotSpot) {
  EXPECT_EQ(cursor_.hotX, 13);
  EXPECT_EQ(cursor_.hotY, 9);
  EXPECT_TRUE(Opaque(13, 9));
  // Nothing of the hand reaches above the tip.
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 32; ++x) EXPECT_FALSE(Opaque(x, y)) << x << "," << y;
  }
  // The finger is narrow: clear a few pixels either side of its tip.
  EXPECT_FALSE(Opaque(9, 10));
  EXPECT_FALSE(Opaque(17, 10));
}

TEST_F(HandCursorTest, IsAWhiteGloveInsideAClosedBlackOutline) {
  int white = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (!Opaque(x, y) || cursor_.image.At(x, y) != kWhite) continue;
      ++white;
      // A white pixel never touches the clear ground: the outline is whole.
      EXPECT_TRUE(x > 0 && x < 31 && y > 0 && y < 31) << x << "," << y;
      EXPECT_TRUE(Opaque(x - 1, y) && Opaque(x + 1, y) && Opaque(x, y - 1) && Opaque(x, y + 1))
          << x << "," << y;
    }
  }
  EXPECT_GT(white, 150);
  // The tip itself is outline.
  EXPECT_EQ(cursor_.image.At(13, 9), kBlack);
}

}  // namespace
}  // namespace talvora
