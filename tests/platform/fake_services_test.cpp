#include <gtest/gtest.h>

#include "platform/fake/fake_file_services.h"
#include "platform/fake/fake_shell.h"

namespace talvora {
namespace {

using File = FakeFileServices::File;

class FakeFileServicesTest : public testing::Test {
 protected:
  void SetUp() override {
    files_.Put("c:\\logo.sys", {"boot", kFileAttributeHidden | kFileAttributeSystem, true});
    files_.Put("C:\\WINDOWS\\LOGO.TLV", {"product", kFileAttributeArchive, true});
  }
  FakeFileServices files_;
};

TEST_F(FakeFileServicesTest, CopyReplacesTheDestinationAndKeepsTheSource) {
  EXPECT_TRUE(files_.CopyFile("c:\\windows\\logo.tlv", "C:\\Logo.sys"));
  EXPECT_EQ(files_.Get("c:\\logo.sys"), (File{"product", kFileAttributeArchive, true}));
  EXPECT_EQ(files_.Get("c:\\windows\\logo.tlv"), (File{"product", kFileAttributeArchive, true}));
}

TEST_F(FakeFileServicesTest, CopyFailsWithoutTouchingAnything) {
  EXPECT_FALSE(files_.CopyFile("c:\\missing.tlv", "c:\\logo.sys"));
  EXPECT_EQ(files_.Get("c:\\logo.sys")->contents, "boot");
  files_.Put("c:\\logo.sys", {"in use", 0, false});
  EXPECT_FALSE(files_.CopyFile("c:\\windows\\logo.tlv", "c:\\logo.sys"));
  EXPECT_EQ(files_.Get("c:\\logo.sys")->contents, "in use");
}

TEST_F(FakeFileServicesTest, SetAttributesReplacesThemAll) {
  EXPECT_TRUE(files_.SetAttributes("C:\\LOGO.SYS", kFileAttributeHidden));
  EXPECT_EQ(files_.Get("c:\\logo.sys")->attributes, kFileAttributeHidden);
  EXPECT_FALSE(files_.SetAttributes("c:\\missing.sys", kFileAttributeHidden));
  EXPECT_FALSE(files_.Get("c:\\missing.sys"));
}

TEST(FakeShell, RecordsWhatItIsAskedAndAnswersAsTold) {
  FakeShell shell(2, false);
  EXPECT_EQ(shell.ShellExecute(7, "", "mailto:a@b.c", "", "c:\\", kSwShowNormal), 2);
  EXPECT_FALSE(shell.StartProgram("c:\\msinfo32.exe", kSwShowNormal));
  EXPECT_EQ(shell.Executed(),
            (std::vector<FakeShell::Execute>{{7, "", "mailto:a@b.c", "", "c:\\", kSwShowNormal}}));
  EXPECT_EQ(shell.Started(), (std::vector<FakeShell::Start>{{"c:\\msinfo32.exe", kSwShowNormal}}));
}

}  // namespace
}  // namespace talvora
