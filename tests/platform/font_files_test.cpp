#include "platform/font_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

#include "platform/fake/fixed_font_files.h"

namespace talvora {
namespace {

TEST(FontFiles, FamiliesMatchWithoutRegardToCase) {
  EXPECT_TRUE(SameFamily("MS Sans Serif", "ms sans serif"));
  EXPECT_TRUE(SameFamily("ARIAL", kArialFamily));
  EXPECT_FALSE(SameFamily("Arial", "Arial Black"));
  EXPECT_FALSE(SameFamily("Arial", ""));
}

TEST(FixedFontFiles, ServesExactlyTheStylesItWasGiven) {
  FixedFontFiles files;
  files.Add("Arial", {"regular.ttf"});
  files.Add("Arial", {"bold.ttf", true, false});
  EXPECT_EQ(files.Find("arial", false, false), (FontFile{"regular.ttf"}));
  EXPECT_EQ(files.Find("Arial", true, false), (FontFile{"bold.ttf", true, false}));
  EXPECT_FALSE(files.Find("Arial", false, true));
  EXPECT_FALSE(files.Find("MS Sans Serif", false, false));
}

struct StyleCase {
  bool bold = false;
  bool italic = false;
  friend std::ostream& operator<<(std::ostream& out, const StyleCase& c) {
    return out << (c.bold ? "bold" : "regular") << (c.italic ? " italic" : "");
  }
};

class SystemFontFilesTest : public testing::TestWithParam<StyleCase> {
 protected:
  std::unique_ptr<FontFiles> files_ = MakeSystemFontFiles();
};

// Whatever font stands in for Arial here, it has every style, in a file that
// opens, and says so.
TEST_P(SystemFontFilesTest, FindsEveryStyleOfArial) {
  const StyleCase style = GetParam();
  const auto file = files_->Find("Arial", style.bold, style.italic);
  ASSERT_TRUE(file) << "no Arial or stand-in (Debian: install fonts-liberation)";
  EXPECT_EQ(file->bold, style.bold);
  EXPECT_EQ(file->italic, style.italic);
  EXPECT_TRUE(std::ifstream(file->path, std::ios::binary).good()) << file->path;
}

INSTANTIATE_TEST_SUITE_P(Styles, SystemFontFilesTest,
                         testing::Values(StyleCase{false, false}, StyleCase{true, false},
                                         StyleCase{false, true}, StyleCase{true, true}));

TEST(SystemFontFiles, KnowsOnlyTheFamiliesInUse) {
  const auto files = MakeSystemFontFiles();
  EXPECT_FALSE(files->Find("Comic Sans MS", false, false));
  EXPECT_FALSE(files->Find("", false, false));
  // The MS Sans Serif stand-ins hold a regular face only; bold is simulated.
  EXPECT_FALSE(files->Find("MS Sans Serif", true, false));
  if (const auto sans = files->Find("MS Sans Serif", false, false)) {
    EXPECT_TRUE(std::ifstream(sans->path, std::ios::binary).good()) << sans->path;
    EXPECT_FALSE(sans->bold || sans->italic);
  }
}

}  // namespace
}  // namespace talvora
