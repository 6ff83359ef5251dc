#include "scenes/ini_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "common/clock.h"
#include "common/utf8_path.h"
#include "platform/font_files.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/ini_file_profile.h"
#include "runtime/text/text_renderer.h"
#include "tests/support/recording_tracer.h"
#include "tests/support/temp_folder.h"

namespace talvora {
namespace {

constexpr std::string_view kTable = "c:\\talvora\\tabela.ini";

// Drive C in a temporary folder, counting how often a path is looked up.
class CountingPaths final : public FilePaths {
 public:
  explicit CountingPaths(const TempFolder& driveC) : paths_(PathFromUtf8(driveC.PathOf(""))) {}
  std::filesystem::path Native(std::string_view windowsPath) const override {
    ++lookups_;
    return paths_.Native(windowsPath);
  }
  int Lookups() const { return lookups_; }

 private:
  DriveFolderPaths paths_;
  mutable int lookups_ = 0;
};

class IniFilesTest : public testing::Test {
 protected:
  void WriteTable(std::string_view name, std::string_view final) const {
    driveC_.Write(std::string("talvora/") + std::string(name),
                  "[Final]\nJOGO01=" + std::string(final) + "\n");
  }
  std::filesystem::path Native(std::string_view name) const {
    return PathFromUtf8(driveC_.PathOf(std::string("talvora/") + std::string(name)));
  }
  std::string ReadFinal() const { return std::string(ini_.Read(kTable, "Final", "JOGO01")); }

  TempFolder driveC_;
  CountingPaths paths_{driveC_};
  IniFileProfile profile_;
  VirtualClock clock_;
  std::unique_ptr<FontFiles> fonts_ = MakeSystemFontFiles();
  TextRenderer text_{*fonts_};
  FormsRuntime runtime_{clock_, text_};
  IniFiles ini_{profile_, paths_, runtime_};
};

TEST_F(IniFilesTest, ReadsTheFileAfreshButLooksItsPathUpOnce) {
  WriteTable("tabela.ini", "Brasil 0 x 3 França");
  EXPECT_EQ(ReadFinal(), "Brasil 0 x 3 França");
  WriteTable("tabela.ini", "França 3 x 0 Brasil");
  EXPECT_EQ(ReadFinal(), "França 3 x 0 Brasil");
  EXPECT_EQ(ReadFinal(), "França 3 x 0 Brasil");
  EXPECT_EQ(paths_.Lookups(), 1);
}

TEST_F(IniFilesTest, FollowsAFileRenamedToAnotherCase) {
  WriteTable("TABELA.INI", "Brasil 0 x 3 França");
  EXPECT_EQ(ReadFinal(), "Brasil 0 x 3 França");
  std::filesystem::rename(Native("TABELA.INI"), Native("tabela.ini"));
  EXPECT_EQ(ReadFinal(), "Brasil 0 x 3 França");
  std::filesystem::rename(Native("tabela.ini"), Native("Tabela.Ini"));
  EXPECT_EQ(ReadFinal(), "Brasil 0 x 3 França");
}

TEST_F(IniFilesTest, AFileThatGoesAndComesBackIsReadAgain) {
  WriteTable("tabela.ini", "Brasil 0 x 3 França");
  EXPECT_EQ(ReadFinal(), "Brasil 0 x 3 França");
  std::filesystem::remove(Native("tabela.ini"));
  EXPECT_EQ(ReadFinal(), "");
  WriteTable("TABELA.INI", "França 3 x 0 Brasil");
  EXPECT_EQ(ReadFinal(), "França 3 x 0 Brasil");
}

TEST_F(IniFilesTest, ReadsEachOfTwoFilesFromItsOwnPlace) {
  WriteTable("tabela.ini", "Brasil 0 x 3 França");
  driveC_.Write("talvora/tlv.ini", "[5]\nLIGADO=1\n");
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(ReadFinal(), "Brasil 0 x 3 França");
    EXPECT_EQ(ini_.Read("c:\\talvora\\tlv.ini", "5", "LIGADO"), "1");
  }
}

TEST_F(IniFilesTest, RecordsEveryReadWithItsValue) {
  WriteTable("tabela.ini", "Brasil 0 x 3 França");
  RecordingTracer tracer(clock_);
  runtime_.SetTracer(&tracer);
  ReadFinal();
  ini_.Read(kTable, "Final", "JOGO01DIA");
  const auto reads = tracer.Of("ini");
  ASSERT_EQ(reads.size(), 2u);
  EXPECT_EQ(reads[0].Get("file"), kTable);
  EXPECT_EQ(reads[0].Get("section"), "Final");
  EXPECT_EQ(reads[0].Get("key"), "JOGO01");
  EXPECT_EQ(reads[0].Get("value"), "Brasil 0 x 3 França");
  EXPECT_EQ(reads[1].Get("key"), "JOGO01DIA");
  EXPECT_EQ(reads[1].Get("value"), "");
}

}  // namespace
}  // namespace talvora
