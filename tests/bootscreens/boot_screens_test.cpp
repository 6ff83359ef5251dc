#include "bootscreens/boot_screens.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

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

// Fails one call, the k-th (from 1), leaving the files as they were; passes
// every other on.
class FailingCall final : public FileServices {
 public:
  FailingCall(FileServices& files, int failing) : files_(files), failing_(failing) {}

  bool CopyFile(std::string_view source, std::string_view destination) override {
    return Pass() && files_.CopyFile(source, destination);
  }
  bool SetAttributes(std::string_view path, std::uint32_t attributes) override {
    hidingFailed_ = !Pass();
    return !hidingFailed_ && files_.SetAttributes(path, attributes);
  }
  bool SameContents(std::string_view a, std::string_view b) override {
    return Pass() && files_.SameContents(a, b);
  }

  int Calls() const { return calls_; }
  bool HidingFailed() const { return hidingFailed_; }

 private:
  bool Pass() { return ++calls_ != failing_; }

  FileServices& files_;
  int failing_;
  int calls_ = 0;
  bool hidingFailed_ = false;
};

struct FailureRun {
  const char* what;
  bool installedBefore;  // the product's screens already went in once
  std::int16_t tela;
  friend std::ostream& operator<<(std::ostream& out, const FailureRun& run) {
    return out << run.what;
  }
};

class BootScreensFailing : public BootScreens, public testing::WithParamInterface<FailureRun> {
 protected:
  void SetUp() override {
    WindowsScreens();
    ProductScreens();
    if (GetParam().installedBefore) Run(1);
  }

  // Each of the Windows screens, in place or as its back-up.
  void ExpectTheWindowsScreensKept() const {
    const std::array<std::pair<const char*, const char*>, 3> screens = {{
        {"c:\\logo.sys", "c:\\logo.tl2"},
        {"c:\\windows\\logos.sys", "c:\\windows\\logos.tl2"},
        {"c:\\windows\\logow.sys", "c:\\windows\\logow.tl2"},
    }};
    const std::array<const char*, 3> windows = {"windows start", "windows shut S",
                                                "windows shut W"};
    for (std::size_t k = 0; k < screens.size(); ++k) {
      const bool kept =
          Contents(screens[k].first) == windows[k] || Contents(screens[k].second) == windows[k];
      EXPECT_TRUE(kept) << screens[k].first;
    }
  }
};

// Whichever call fails, the original screens survive, the start-up screen is
// hidden unless hiding it was the call that failed, and the next run without
// failures does the whole job.
TEST_P(BootScreensFailing, AnyFailingStepLosesNoWindowsScreenAndTheNextRunCompletes) {
  const FakeFileServices start = files;
  int calls = 0;
  {
    FailingCall counting(files, 0);
    TelasWin95(GetParam().tela, kWinDir, paths, counting);
    calls = counting.Calls();
  }
  ASSERT_GT(calls, 0);
  for (int failing = 1; failing <= calls; ++failing) {
    SCOPED_TRACE(testing::Message() << "call " << failing << " of " << calls << " fails");
    files = start;
    FailingCall failing_files(files, failing);
    TelasWin95(GetParam().tela, kWinDir, paths, failing_files);
    ExpectTheWindowsScreensKept();
    if (!failing_files.HidingFailed()) {
      EXPECT_EQ(files.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
    }
    Run(GetParam().tela);
    ExpectTheWindowsScreensKept();
    EXPECT_EQ(files.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
    const std::string_view expected = GetParam().tela == 1 ? "talvora shut S" : "windows shut S";
    EXPECT_EQ(Contents("c:\\windows\\logos.sys"), expected);
    Run(0);
    EXPECT_EQ(Contents("c:\\logo.sys"), "windows start") << "restored in the end";
    EXPECT_EQ(Contents("c:\\windows\\logow.sys"), "windows shut W") << "restored in the end";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCall, BootScreensFailing,
                         testing::Values(FailureRun{"first install", false, 1},
                                         FailureRun{"second install", true, 1},
                                         FailureRun{"restore", true, 0}),
                         [](const auto& param) {
                           std::string name = param.param.what;
                           std::erase(name, ' ');
                           return name;
                         });

}  // namespace
}  // namespace talvora
