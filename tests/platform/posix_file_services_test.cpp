#include "platform/posix/posix_file_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/utf8_path.h"
#include "tests/support/temp_folder.h"

namespace talvora {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(none)";
}

TEST(PosixFileServices, CopyReplacesTheDestinationWholeAndLeavesNothingBeside) {
  TempFolder folder;
  const std::string source = folder.Write("a.sys", "short");
  const std::string destination = folder.Write("b.sys", "a much longer old content");
  PosixFileServices files;
  EXPECT_TRUE(files.CopyFile(source, destination));
  EXPECT_EQ(Read(destination), "short");
  EXPECT_EQ(Read(source), "short");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator(PathFromUtf8(folder.PathOf("")))) {
    ++entries;
  }
  EXPECT_EQ(entries, 2);
}

TEST(PosixFileServices, AFailedCopyLeavesTheDestinationAsItWas) {
  TempFolder folder;
  const std::string destination = folder.Write("b.sys", "old");
  PosixFileServices files;
  EXPECT_FALSE(files.CopyFile(folder.PathOf("missing.sys"), destination));
  EXPECT_EQ(Read(destination), "old");
  EXPECT_FALSE(files.CopyFile(destination, folder.PathOf("no/such/folder/b.sys")));
}

TEST(PosixFileServices, ComparesContents) {
  TempFolder folder;
  const std::string a = folder.Write("a", std::string(10000, 'x'));
  const std::string b = folder.Write("b", std::string(10000, 'x'));
  const std::string c = folder.Write("c", std::string(10000, 'x') + "y");
  PosixFileServices files;
  EXPECT_TRUE(files.SameContents(a, b));
  EXPECT_FALSE(files.SameContents(a, c));
  EXPECT_FALSE(files.SameContents(a, folder.PathOf("missing")));
  EXPECT_TRUE(files.SetAttributes(a, 0x02));
  EXPECT_FALSE(files.SetAttributes(folder.PathOf("missing"), 0x02));
}

}  // namespace
}  // namespace talvora
