#include "platform/posix/posix_font_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace talvora {
namespace {

TEST(PosixFontFiles, ChoosesTheLiberationFaceOfEachStyle) {
  const PosixFontFiles files;
  ASSERT_TRUE(files.Find("Arial", false, false)) << "install fonts-liberation";
  EXPECT_TRUE(files.Find("Arial", false, false)->path.ends_with("/LiberationSans-Regular.ttf"));
  EXPECT_TRUE(files.Find("Arial", true, false)->path.ends_with("/LiberationSans-Bold.ttf"));
  EXPECT_TRUE(files.Find("Arial", false, true)->path.ends_with("/LiberationSans-Italic.ttf"));
  EXPECT_TRUE(files.Find("arial", true, true)->path.ends_with("/LiberationSans-BoldItalic.ttf"));
}

TEST(PosixFontFiles, UsesWinesMsSansSerifForTheRegularFace) {
  const PosixFontFiles files;
  const auto sans = files.Find("MS Sans Serif", false, false);
  ASSERT_TRUE(sans) << "install fonts-wine";
  EXPECT_TRUE(sans->path.ends_with("/ms_sans_serif.ttf"));
  EXPECT_FALSE(files.Find("MS Sans Serif", false, true));
}

TEST(PosixFontFiles, FindsNothingInFoldersWithoutTheFiles) {
  const std::string empty = std::filesystem::temp_directory_path().string();
  const PosixFontFiles files(empty, empty);
  EXPECT_FALSE(files.Find("Arial", false, false));
  EXPECT_FALSE(files.Find("MS Sans Serif", false, false));
}

}  // namespace
}  // namespace talvora
