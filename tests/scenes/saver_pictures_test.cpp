#include "scenes/saver_pictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string_view>

namespace talvora {
namespace {

struct StoredStrip {
  std::string_view name;
  std::function<const PictureStrip&(const SaverPictures&)> get;
  int rows;
  int columns;
  int cellWidth;
  int cellHeight;
  friend std::ostream& operator<<(std::ostream& out, const StoredStrip& s) { return out << s.name; }
};

class SaverPicturesTest : public testing::TestWithParam<StoredStrip> {};

// Each strip is divided as it is stored, and made once: a scene asks for its
// strip on every tick.
TEST_P(SaverPicturesTest, GivesEachStripDividedAsStoredAndMadeOnce) {
  const StoredStrip& stored = GetParam();
  const SaverPictures pictures;
  const PictureStrip& strip = stored.get(pictures);
  EXPECT_EQ(strip.Name(), stored.name);
  EXPECT_EQ(strip.Rows(), stored.rows);
  EXPECT_EQ(strip.Columns(), stored.columns);
  EXPECT_EQ(strip.CellWidth(), stored.cellWidth);
  EXPECT_EQ(strip.CellHeight(), stored.cellHeight);
  EXPECT_EQ(&stored.get(pictures), &strip);
  EXPECT_EQ(stored.get(pictures).Whole().Row(0).data(), strip.Whole().Row(0).data());
}

INSTANTIATE_TEST_SUITE_P(
    Strips, SaverPicturesTest,
    testing::Values(
        StoredStrip{"BolaClip", &SaverPictures::BolaClip, 2, 7, 30, 30},
        StoredStrip{"Taca1Clip(0)", [](const SaverPictures& p) -> const PictureStrip& {
                      return p.Taca1Clip(0);
                    }, 2, 1, 40, 95},
        StoredStrip{"Taca1Clip(1)", [](const SaverPictures& p) -> const PictureStrip& {
                      return p.Taca1Clip(1);
                    }, 2, 1, 35, 96},
        StoredStrip{"PictureClip1", &SaverPictures::PictureClip1, 3, 5, 110, 154},
        StoredStrip{"PictureClip2", &SaverPictures::PictureClip2, 2, 2, 319, 200},
        StoredStrip{"PictureClip3", &SaverPictures::PictureClip3, 1, 1, 1000, 250}));

TEST(SaverPictures, GivesTheBadge) {
  const SaverPictures pictures;
  EXPECT_EQ(pictures.Badge().Width(), 50);
  EXPECT_EQ(pictures.Badge().Height(), 62);
  EXPECT_EQ(&pictures.Badge(), &pictures.Badge());
}

}  // namespace
}  // namespace talvora
