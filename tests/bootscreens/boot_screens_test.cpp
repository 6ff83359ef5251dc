#include "bootscreens/boot_screens.h"

#include <gtest/gtest.h>

#include "common/utf8_path.h"
#include "platform/fake/fake_file_services.h"

namespace talvora {
namespace {

constexpr std::string_view kWinDir = "c:\\windows\\";

// Windows paths as they are: the fake keeps files by their Windows path.
class SamePaths final : public FilePaths {
 public:
  std::filesystem::path Native(std::string_view windowsPath) const override {
    return PathFromUtf8(windowsPath);
  }
};

class BootScreens : public testing::Test {
 protected:
  void Put(std::string_view path, std::string contents) {
    files.Put(path, {std::move(contents), kFileAttributeArchive, true});
  }
  std::string Contents(std::string_view path) const {
    const auto file = files.Get(path);
    return file ? file->contents : "(none)";
  }
  void WindowsScreens() {
    Put("c:\\logo.sys", "windows start");
    Put("c:\\windows\\logos.sys", "windows shut S");
    Put("c:\\windows\\logow.sys", "windows shut W");
  }
  void ProductScreens() {
    Put("c:\\windows\\logo.tlv", "talvora start");
    Put("c:\\windows\\logos.tlv", "talvora shut S");
    Put("c:\\windows\\logow.tlv", "talvora shut W");
  }
  void Run(std::int16_t tela) { TelasWin95(tela, kWinDir, paths, files); }

  SamePaths paths;
  FakeFileServices files;
};

TEST_F(BootScreens, InstallKeepsBackUpsAndPutsTheProductsScreensInPlace) {
  WindowsScreens();
  ProductScreens();
  Run(1);
  EXPECT_EQ(Contents("c:\\logo.tl2"), "windows start");
  EXPECT_EQ(Contents("c:\\windows\\logos.tl2"), "windows shut S");
  EXPECT_EQ(Contents("c:\\windows\\logow.tl2"), "windows shut W");
  EXPECT_EQ(Contents("c:\\logo.sys"), "talvora start");
  EXPECT_EQ(Contents("c:\\windows\\logos.sys"), "talvora shut S");
  EXPECT_EQ(Contents("c:\\windows\\logow.sys"), "talvora shut W");
  EXPECT_EQ(files.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
}

TEST_F(BootScreens, RestoreCopiesTheBackUpsBack) {
  WindowsScreens();
  ProductScreens();
  Run(1);
  Run(0);
  EXPECT_EQ(Contents("c:\\logo.sys"), "windows start");
  EXPECT_EQ(Contents("c:\\windows\\logos.sys"), "windows shut S");
  EXPECT_EQ(Contents("c:\\windows\\logow.sys"), "windows shut W");
  EXPECT_EQ(files.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
  EXPECT_EQ(Contents("c:\\logo.tl2"), "windows start") << "back-ups are never deleted";
}

TEST_F(BootScreens, AnInstallRunTwiceNeverLosesTheWindowsScreens) {
  WindowsScreens();
  ProductScreens();
  Run(1);
  Run(1);
  EXPECT_EQ(Contents("c:\\logo.tl2"), "windows start");
  EXPECT_EQ(Contents("c:\\windows\\logos.tl2"), "windows shut S");
  Run(0);
  EXPECT_EQ(Contents("c:\\logo.sys"), "windows start");
}

TEST_F(BootScreens, InstallRestoreInstallTakesTheScreensInUseAsBackUps) {
  WindowsScreens();
  ProductScreens();
  Run(1);
  Run(0);
  Put("c:\\windows\\logos.sys", "newer windows shut S");
  Run(1);
  EXPECT_EQ(Contents("c:\\windows\\logos.tl2"), "newer windows shut S");
}

TEST_F(BootScreens, WithoutAStartUpScreenTheProductsIsStillCopiedInAndHidden) {
  Put("c:\\windows\\logos.sys", "windows shut S");
  Put("c:\\windows\\logow.sys", "windows shut W");
  ProductScreens();
  Run(1);
  EXPECT_EQ(Contents("c:\\logo.tl2"), "(none)");
  EXPECT_EQ(Contents("c:\\logo.sys"), "talvora start");
  EXPECT_EQ(files.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
  Run(0);
  EXPECT_EQ(Contents("c:\\logo.sys"), "talvora start") << "no back-up to restore";
  EXPECT_EQ(Contents("c:\\windows\\logos.sys"), "windows shut S");
}

TEST_F(BootScreens, WithoutTheProductsFilesOnlyTheBackUpsAreMade) {
  WindowsScreens();
  Run(1);
  EXPECT_EQ(Contents("c:\\logo.sys"), "windows start");
  EXPECT_EQ(Contents("c:\\logo.tl2"), "windows start");
  EXPECT_EQ(files.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
}

TEST_F(BootScreens, AStepThatFailsIsSkippedAndTheRestRun) {
  WindowsScreens();
  ProductScreens();
  files.Put("c:\\windows\\logos.sys", {"windows shut S", kFileAttributeArchive, false});
  Run(1);
  EXPECT_EQ(Contents("c:\\windows\\logos.sys"), "windows shut S") << "in use: left alone";
  EXPECT_EQ(Contents("c:\\windows\\logow.sys"), "talvora shut W");
  EXPECT_EQ(Contents("c:\\logo.sys"), "talvora start");
}

TEST_F(BootScreens, RestoreWithoutBackUpsOnlyHidesTheStartUpScreen) {
  WindowsScreens();
  files.Put("c:\\logo.sys", {"windows start", kFileAttributeReadOnly | kFileAttributeSystem, true});
  Run(0);
  EXPECT_EQ(Contents("c:\\logo.sys"), "windows start");
  EXPECT_EQ(files.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
}

}  // namespace
}  // namespace talvora
