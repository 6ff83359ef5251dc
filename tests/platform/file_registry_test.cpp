#include "platform/posix/file_registry.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "settings/key_value.h"

namespace talvora {
namespace {

namespace fs = std::filesystem;

constexpr auto kMachine = RegistryRoot::kLocalMachine;
constexpr auto kUser = RegistryRoot::kCurrentUser;
constexpr std::string_view kKey = "SOFTWARE\\Talvora\\Talvora Saver";
constexpr std::string_view kSaverHeader =
    "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Talvora\\Talvora Saver]\n";

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << file;
}

// A fresh folder of its own for each test.
class TempFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::ranges::replace(name, '/', '_');  // parameterized names end in "/N"
    folder_ = fs::temp_directory_path() /
              ("talvora-test-" + std::to_string(std::random_device{}()) + "-" + name);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // The names in a folder, sorted.
  static std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename());
    }
    std::ranges::sort(names);
    return names;
  }

  fs::path folder_;
};

class FileRegistryTest : public TempFolderTest {
 protected:
  fs::path File() const { return folder_ / "settings.reg"; }
};

TEST_F(FileRegistryTest, AMissingFileIsAnEmptyRegistryThatReadsCreateNothing) {
  FileRegistry registry(File());
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Saver", 1024));
  EXPECT_TRUE(registry.Remove(kMachine, kKey, "Saver"));
  EXPECT_TRUE(Names(folder_).empty());
}

TEST_F(FileRegistryTest, SetCreatesTheFolderAndWritesTheKey) {
  const fs::path file = folder_ / "config" / "talvora" / "settings.reg";
  FileRegistry registry(file);
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "3"}));
  EXPECT_EQ(ReadBytes(file), std::string(kSaverHeader) + "\"Saver\"=\"3\"\n\n");
  EXPECT_EQ(registry.Query(kMachine, kKey, "Saver", 1024), (RegistryValue{kRegSz, "3"}));
}

TEST_F(FileRegistryTest, AnotherInstanceSeesEachChangeAtOnce) {
  FileRegistry first(File());
  FileRegistry second(File());
  ASSERT_TRUE(first.Set(kMachine, kKey, "Saver", {kRegSz, "2"}));
  EXPECT_EQ(second.Query(kMachine, "software\\talvora\\TALVORA SAVER", "SAVER", 1024),
            (RegistryValue{kRegSz, "2"}));
  ASSERT_TRUE(second.Set(kMachine, kKey, "Saver", {kRegSz, "5"}));
  EXPECT_EQ(first.Query(kMachine, kKey, "Saver", 1024), (RegistryValue{kRegSz, "5"}));
  ASSERT_TRUE(second.Remove(kMachine, kKey, "Saver"));
  EXPECT_FALSE(first.Query(kMachine, kKey, "Saver", 1024));
  EXPECT_FALSE(first.Query(kUser, kKey, "Saver", 1024));
}

TEST_F(FileRegistryTest, QueryFailsForAValueLargerThanTheBuffer) {
  FileRegistry registry(File());
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Long", {kRegSz, std::string(1025, 'x')}));
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Long", 1024));
  EXPECT_TRUE(registry.Query(kMachine, kKey, "Long", 1025));
}

TEST_F(FileRegistryTest, AChangeKeepsEveryOtherKeyAndValueInOrder) {
  WriteBytes(File(),
             "REGEDIT4\r\n; kept apart from comments\r\n"
             "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
             "\"ScreenSaveUsePassword\"=dword:00000001\r\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Talvora\\Talvora Saver]\r\n"
             "\"Saver\"=\"1\"\r\n\"Mouse\"=\"0\"\r\n\"Old\"=\"x\"\r\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup]\r\n"
             "\"Windir\"=\"C:\\\\WINDOWS\"\r\n");
  FileRegistry registry(File());
  ASSERT_TRUE(registry.Set(kMachine, kKey, "saver", {kRegSz, "4"}));
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Tela", {kRegSz, " 1"}));
  ASSERT_TRUE(registry.Remove(kMachine, kKey, "Old"));
  EXPECT_EQ(ReadBytes(File()),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"
            "\"ScreenSaveUsePassword\"=dword:00000001\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Talvora\\Talvora Saver]\n"
            "\"Saver\"=\"4\"\n\"Mouse\"=\"0\"\n\"Tela\"=\" 1\"\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup]\n"
            "\"Windir\"=\"C:\\\\WINDOWS\"\n\n");
}

TEST_F(FileRegistryTest, TextsAreAnsiInMemoryAndUtf8InTheFile) {
  FileRegistry registry(File());
  ASSERT_TRUE(SetKeyValue(registry, kMachine, kKey, "Nome", "3º Lugar"));
  ASSERT_TRUE(SetKeyValue(registry, kMachine, kKey, "Vazio", ""));
  EXPECT_EQ(ReadBytes(File()),
            std::string(kSaverHeader) + "\"Nome\"=\"3º Lugar\"\n\"Vazio\"=\" \"\n\n");
  EXPECT_EQ(registry.Query(kMachine, kKey, "Nome", 1024), (RegistryValue{kRegSz, "3\xBA Lugar"}));
  std::string text;
  ASSERT_TRUE(GetKeyValue(registry, kMachine, kKey, "Nome", text));
  EXPECT_EQ(text, "3º Lugar");
}

TEST_F(FileRegistryTest, RewritesLeaveNoTemporaryFileAndKeepThePermissions) {
  FileRegistry registry(File());
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "1"}));
  const fs::perms created = fs::status(File()).permissions();
  EXPECT_EQ(created & (fs::perms::owner_read | fs::perms::owner_write),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(created & (fs::perms::owner_exec | fs::perms::others_write), fs::perms::none);

  fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
  for (const char* saver : {"2", "3", "4"}) {
    ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, saver}));
  }
  EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"settings.reg"});
  EXPECT_EQ(registry.Query(kMachine, kKey, "Saver", 1024)->data, "4");
}

TEST_F(FileRegistryTest, ACorruptFileIsMovedAsideAndNeverOverwritten) {
  const std::string firstCorrupt = "REGEDIT4\n\"Saver\"=\"2\"\n\xFF\x01";
  const std::string secondCorrupt = "[HKEY_CURRENT_USER\\X]\n";
  WriteBytes(File(), firstCorrupt);
  FileRegistry registry(File());
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Saver", 1024));
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"settings.reg.corrupt"});
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "3"}));
  EXPECT_EQ(ReadBytes(File()), std::string(kSaverHeader) + "\"Saver\"=\"3\"\n\n");

  WriteBytes(File(), secondCorrupt);
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Mouse", {kRegSz, "1"}));
  EXPECT_EQ(ReadBytes(File()), std::string(kSaverHeader) + "\"Mouse\"=\"1\"\n\n");
  EXPECT_EQ(Names(folder_), (std::vector<std::string>{"settings.reg", "settings.reg.corrupt",
                                                      "settings.reg.corrupt.1"}));
  EXPECT_EQ(ReadBytes(folder_ / "settings.reg.corrupt"), firstCorrupt);
  EXPECT_EQ(ReadBytes(folder_ / "settings.reg.corrupt.1"), secondCorrupt);
}

// Makes writes past a size fail, as on a full disk, for the length of a scope.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  void (*previousHandler_)(int);
  rlimit saved_{};
};

TEST_F(FileRegistryTest, AWriteThatFailsMidwayLeavesThePreviousFileAndNoTemporary) {
  FileRegistry registry(File());
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "2"}));
  const std::string before = ReadBytes(File());
  bool written = true;
  {
    const FileSizeLimit limit(before.size() + 10);
    written = registry.Set(kMachine, kKey, "Long", {kRegSz, std::string(100, 'x')});
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadBytes(File()), before);
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"settings.reg"});
}

// A disk that fills at any byte of the rewrite: the stored file stays whole
// and readable, nothing is left beside it, and once there is room again the
// next change is stored.
TEST_F(FileRegistryTest, ADiskFullAtAnyPointOfTheRewriteLosesNothingStored) {
  FileRegistry registry(File());
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "2"}));
  ASSERT_TRUE(registry.Set(kUser, "Control Panel\\Desktop", "ScreenSaveUsePassword",
                           {kRegDword, std::string("\1\0\0\0", 4)}));
  const std::string before = ReadBytes(File());
  const RegistryValue longer{kRegSz, std::string(200, 'x')};
  for (rlim_t room = 0; room < before.size() + 200; room += 7) {
    bool written = true;
    {
      const FileSizeLimit limit(room);
      written = registry.Set(kMachine, kKey, "Long", longer);
    }
    ASSERT_FALSE(written) << room << " bytes of room";
    ASSERT_EQ(ReadBytes(File()), before) << room << " bytes of room";
    ASSERT_EQ(Names(folder_), std::vector<std::string>{"settings.reg"}) << room;
    ASSERT_EQ(registry.Query(kMachine, kKey, "Saver", 1024), (RegistryValue{kRegSz, "2"}));
  }
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Long", longer));
  EXPECT_EQ(registry.Query(kMachine, kKey, "Long", 1024), longer);
  EXPECT_EQ(registry.Query(kMachine, kKey, "Saver", 1024), (RegistryValue{kRegSz, "2"}));
}

// A store cut short at every byte, as by a writer that died without the
// rename: what reads back is a value that was stored, never a changed one;
// a text that no longer reads is moved aside whole; and the next change is
// stored and kept.
TEST_F(FileRegistryTest, AStoreCutShortAtAnyByteReadsOnlyStoredValuesAndTakesTheNextChange) {
  const std::vector<std::pair<std::string, RegistryValue>> stored = {
      {"Saver", {kRegSz, "12"}},
      {"TrofeusTipo", {kRegSz, "0"}},
      {"Number", {kRegDword, std::string("\x12\x34\0\0", 4)}},
      {"Raw", {kRegBinary, std::string("\x01\x02\x03", 3)}},
  };
  {
    FileRegistry writer(File());
    for (const auto& [name, value] : stored) ASSERT_TRUE(writer.Set(kMachine, kKey, name, value));
  }
  const std::string whole = ReadBytes(File());
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    WriteBytes(File(), whole.substr(0, cut));
    FileRegistry registry(File());
    for (const auto& [name, value] : stored) {
      const auto read = registry.Query(kMachine, kKey, name, 1024);
      if (read) {
        EXPECT_EQ(*read, value) << name << ", cut at " << cut;
      }
    }
    const bool movedAside = fs::exists(folder_ / "settings.reg.corrupt");
    if (movedAside) {
      EXPECT_EQ(ReadBytes(folder_ / "settings.reg.corrupt"), whole.substr(0, cut));
    }
    ASSERT_TRUE(registry.Set(kMachine, kKey, "Mouse", {kRegSz, "1"})) << "cut at " << cut;
    EXPECT_EQ(FileRegistry(File()).Query(kMachine, kKey, "Mouse", 1024),
              (RegistryValue{kRegSz, "1"}))
        << "cut at " << cut;
  }
}

struct CutShortCase {
  const char* name;
  const char* text;
  bool cutShort;
};

std::ostream& operator<<(std::ostream& out, const CutShortCase& c) { return out << c.name; }

class StoreCutShortTest : public testing::TestWithParam<CutShortCase> {};

// Only an unended number or byte list may be a shorter value; an unended text
// value is whole or does not read at all, so a hand-edited file keeps working.
TEST_P(StoreCutShortTest, AnUnendedLastLineCountsOnlyWhenItCouldReadAsAnotherValue) {
  EXPECT_EQ(StoreTextCutShort(GetParam().text), GetParam().cutShort);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoreCutShortTest,
    testing::Values(
        CutShortCase{"empty", "", false},
        CutShortCase{"ended", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\A]\n\"N\"=dword:0000\n", false},
        CutShortCase{"unended text", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\A]\n\"Saver\"=\"1\"", false},
        CutShortCase{"unended key", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\A]", false},
        CutShortCase{"unended number",
                     "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\A]\r\n\"N\"=DWORD:0000", true},
        CutShortCase{"unended bytes", "[HKEY_LOCAL_MACHINE\\A]\n@=hex:01,0", true},
        CutShortCase{"unended continued bytes",
                     "[HKEY_LOCAL_MACHINE\\A]\n\"R\"=hex(2):01,02,\\\n  03,04,\\\n  05", true},
        CutShortCase{"text after bytes", "[HKEY_LOCAL_MACHINE\\A]\n@=hex:01\n\"S\"=\"x\"", false}));

TEST_F(FileRegistryTest, AHandEditedStoreWithoutAFinalLineBreakReads) {
  WriteBytes(File(),
             "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + std::string(kKey) + "]\n\"Saver\"=\"3\"");
  FileRegistry registry(File());
  EXPECT_EQ(registry.Query(kMachine, kKey, "Saver", 1024), (RegistryValue{kRegSz, "3"}));
  EXPECT_FALSE(fs::exists(folder_ / "settings.reg.corrupt"));
}

TEST_F(FileRegistryTest, ATargetThatIsNotAReadableFileIsLeftAlone) {
  fs::create_directories(File() / "inside");
  FileRegistry registry(File());
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Saver", 1024));
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "1"}));
  EXPECT_TRUE(fs::is_directory(File() / "inside"));
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"settings.reg"});
}

TEST_F(FileRegistryTest, AFileThatCannotBeOpenedIsNeverReplaced) {
  fs::create_symlink("settings.reg", File());  // a loop: opening it fails
  FileRegistry registry(File());
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Saver", 1024));
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "1"}));
  EXPECT_TRUE(fs::is_symlink(File()));
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"settings.reg"});
}

TEST_F(FileRegistryTest, AFolderThatIsAFileRefusesWrites) {
  WriteBytes(folder_ / "config", "not a folder");
  FileRegistry registry(folder_ / "config" / "settings.reg");
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Saver", 1024));
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "1"}));
  EXPECT_EQ(ReadBytes(folder_ / "config"), "not a folder");
}

TEST_F(FileRegistryTest, ANameTheFileCannotHoldIsRefused) {
  FileRegistry registry(File());
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "1"}));
  const std::string before = ReadBytes(File());
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Two\nLines", {kRegSz, "1"}));
  EXPECT_FALSE(registry.Set(kMachine, "Two\nLines", "Saver", {kRegSz, "1"}));
  EXPECT_EQ(ReadBytes(File()), before);
}

// Folders in which no new file can be made beside the store.
enum class Refusal { kReadOnlyFolder, kNameTooLong };

struct RefusalCase {
  const char* what;
  Refusal refusal;
  friend std::ostream& operator<<(std::ostream& out, const RefusalCase& c) { return out << c.what; }
};

class FileRegistryRefusedTest : public TempFolderTest,
                                public testing::WithParamInterface<RefusalCase> {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    if (GetParam().refusal == Refusal::kNameTooLong) {
      // Room for this name, none for ".corrupt" or a temporary's name after it.
      file_ = folder_ / std::string(250, 's');
      return;
    }
    file_ = folder_ / "settings.reg";
    Lock(true);
    std::ofstream probe(folder_ / "probe");
    const bool stillWritable = probe.is_open();
    Lock(false);
    if (stillWritable) GTEST_SKIP() << "this user writes into read-only folders (root)";
  }
  void TearDown() override {
    Lock(false);
    TempFolderTest::TearDown();
  }

  // Puts the file in place, then makes the folder refuse new files.
  void Prepare(std::string_view bytes) {
    WriteBytes(file_, bytes);
    if (GetParam().refusal == Refusal::kReadOnlyFolder) Lock(true);
  }

  void Lock(bool locked) const {
    fs::permissions(folder_,
                    locked ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
  }

  std::vector<std::string> OnlyTheFile() const { return {file_.filename()}; }

  fs::path file_;
};

TEST_P(FileRegistryRefusedTest, AFailedWriteLeavesThePreviousFile) {
  const std::string before = std::string(kSaverHeader) + "\"Saver\"=\"2\"\n\n";
  Prepare(before);
  FileRegistry registry(file_);
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "5"}));
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Mouse", {kRegSz, "1"}));
  EXPECT_FALSE(registry.Remove(kMachine, kKey, "Saver"));
  EXPECT_EQ(registry.Query(kMachine, kKey, "Saver", 1024), (RegistryValue{kRegSz, "2"}));
  EXPECT_EQ(ReadBytes(file_), before);
  EXPECT_EQ(Names(folder_), OnlyTheFile());
}

TEST_P(FileRegistryRefusedTest, ACorruptFileThatCannotBeMovedAsideReadsEmptyAndStays) {
  const std::string corrupt = "REGEDIT4\n\"Saver\"=\"2\"\n";
  Prepare(corrupt);
  FileRegistry registry(file_);
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Saver", 1024));
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "5"}));
  EXPECT_EQ(ReadBytes(file_), corrupt);
  EXPECT_EQ(Names(folder_), OnlyTheFile());
}

INSTANTIATE_TEST_SUITE_P(Folders, FileRegistryRefusedTest,
                         testing::Values(RefusalCase{"read-only folder", Refusal::kReadOnlyFolder},
                                         RefusalCase{"name too long", Refusal::kNameTooLong}));

}  // namespace
}  // namespace talvora
