#include "platform/win32/win32_registry.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // the C++ library's own headers may have set it already
#define NOMINMAX
#endif
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/fake/memory_registry.h"
#include "platform/registry_tree.h"
#include "settings/key_value.h"

namespace talvora {
namespace {

constexpr auto kUser = RegistryRoot::kCurrentUser;
constexpr auto kMachine = RegistryRoot::kLocalMachine;
constexpr std::size_t kBufferBytes = 1024;
constexpr char kTestsKey[] = "Software\\TalvoraTests";

HKEY RootKey(RegistryRoot root) { return root == kUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

// Raw access, as any other program sees the registry. The byte after the data
// is not NUL, so RegSetValueExA stores a text exactly as counted.
bool StoreRaw(RegistryRoot root, const std::string& keyPath, const char* name,
              const RegistryValue& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(RootKey(root), keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  std::vector<BYTE> bytes(value.data.begin(), value.data.end());
  bytes.push_back('x');
  const LONG status =
      RegSetValueExA(key, name, 0, value.type, bytes.data(), static_cast<DWORD>(value.data.size()));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

std::optional<RegistryValue> ReadRaw(RegistryRoot root, const std::string& keyPath,
                                     const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string data(4096, '\0');
  DWORD type = REG_NONE;
  auto size = static_cast<DWORD>(data.size());
  const LONG status =
      RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  data.resize(size);
  return RegistryValue{type, data};
}

bool KeyExists(RegistryRoot root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

std::string KeyClass(RegistryRoot root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return "(no key)";
  }
  std::string keyClass(64, '\0');
  auto length = static_cast<DWORD>(keyClass.size());
  RegQueryInfoKeyA(key, keyClass.data(), &length, nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  keyClass.resize(length);
  return keyClass;
}

// A key of the test's own under a root, removed with all it holds at the end.
class ScratchKey {
 public:
  explicit ScratchKey(RegistryRoot root)
      : root_(root), path_(std::string(kTestsKey) + "\\" + std::to_string(GetCurrentProcessId())) {}
  ~ScratchKey() {
    RegDeleteTreeA(RootKey(root_), path_.c_str());
    // Fails, as it should, while another run still has its key there.
    RegDeleteKeyA(RootKey(root_), kTestsKey);
  }
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  const std::string& Path() const { return path_; }

 private:
  RegistryRoot root_;
  std::string path_;
};

struct StoredCase {
  const char* what;
  RegistryValue stored;
  bool readable;     // within the buffer of kBufferBytes
  std::string text;  // what GetKeyValue gives for it
  friend std::ostream& operator<<(std::ostream& out, const StoredCase& c) { return out << c.what; }
};

const StoredCase kStoredCases[] = {
    {"text without NUL", {kRegSz, "Final"}, true, "Final"},
    {"text with NUL", {kRegSz, std::string("Final\0", 6)}, true, "Final"},
    {"only the last NUL goes", {kRegSz, std::string("a\0\0", 3)}, true, std::string("a\0", 2)},
    {"ANSI text", {kRegSz, "3\xBA Lugar"}, true, "3º Lugar"},
    {"blank", {kRegSz, " "}, true, " "},
    {"empty value", {kRegSz, ""}, true, ""},
    {"1024 bytes fit", {kRegSz, std::string(1024, 'x')}, true, std::string(1024, 'x')},
    {"1024 bytes with NUL", {kRegSz, std::string(1023, 'y') + '\0'}, true, std::string(1023, 'y')},
    {"1025 bytes do not", {kRegSz, std::string(1025, 'x')}, false, ""},
    {"dword, bytes last to first", {kRegDword, std::string("\x02\x01\x00\x00", 4)}, true, "&h012"},
    {"dword with high bytes", {kRegDword, std::string("\xAB\x0C\x00\x01", 4)}, true, "&h10CAB"},
    {"binary keeps the text", {kRegBinary, std::string("\x01\x00\x02", 3)}, true, "passed in"},
    {"expandable text keeps the text", {kRegExpandSz, "%WINDIR%"}, true, "passed in"},
};

// Each stored value, read by the system's registry and by the in-memory one,
// must give the same: the in-memory registry stands in for the real one in
// every other test.
class StoredValueTest : public testing::TestWithParam<StoredCase> {
 protected:
  static void ExpectReads(Registry& registry, const std::string& keyPath) {
    const StoredCase& c = GetParam();
    const auto queried = registry.Query(kUser, keyPath, "Value", kBufferBytes);
    if (c.readable) {
      EXPECT_EQ(queried, c.stored);
    } else {
      EXPECT_EQ(queried, std::nullopt);
    }
    std::string text = "passed in";
    EXPECT_EQ(GetKeyValue(registry, kUser, keyPath, "Value", text), c.readable);
    EXPECT_EQ(text, c.text);
  }

  ScratchKey scratch_{kUser};
};

TEST_P(StoredValueTest, Win32RegistryReadsWhatAnotherProgramStored) {
  ASSERT_TRUE(StoreRaw(kUser, scratch_.Path(), "Value", GetParam().stored));
  Win32Registry registry;
  ExpectReads(registry, scratch_.Path());
}

TEST_P(StoredValueTest, MemoryRegistryReadsTheSame) {
  MemoryRegistry registry;
  ASSERT_TRUE(registry.Set(kUser, scratch_.Path(), "Value", GetParam().stored));
  ExpectReads(registry, scratch_.Path());
}

TEST_P(StoredValueTest, Win32RegistryStoresExactlyTheBytesGiven) {
  Win32Registry registry;
  ASSERT_TRUE(registry.Set(kUser, scratch_.Path(), "Value", GetParam().stored));
  EXPECT_EQ(ReadRaw(kUser, scratch_.Path(), "Value"), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredValueTest, testing::ValuesIn(kStoredCases));

struct RootCase {
  RegistryRoot root;
  friend std::ostream& operator<<(std::ostream& out, const RootCase& c) {
    return out << RootName(c.root);
  }
};

// The behaviour that does not depend on the value stored, under both roots.
class Win32RegistryTest : public testing::TestWithParam<RootCase> {
 protected:
  RegistryRoot Root() const { return GetParam().root; }
  const std::string& Key() const { return scratch_.Path(); }

  Win32Registry registry_;
  ScratchKey scratch_{GetParam().root};
};

TEST_P(Win32RegistryTest, SetKeyValueWritesAnsiTextWithoutTerminatingNul) {
  ASSERT_TRUE(SetKeyValue(registry_, Root(), Key(), "Email", "Créditos"));
  EXPECT_EQ(ReadRaw(Root(), Key(), "Email"), (RegistryValue{kRegSz,
                                                            "Cr\xE9"
                                                            "ditos"}));
  std::string text;
  EXPECT_TRUE(GetKeyValue(registry_, Root(), Key(), "Email", text));
  EXPECT_EQ(text, "Créditos");
}

TEST_P(Win32RegistryTest, SetCreatesMissingKeysWithTheirClass) {
  const std::string nested = Key() + "\\Talvora\\Talvora Saver";
  ASSERT_FALSE(KeyExists(Root(), nested));
  ASSERT_TRUE(registry_.Set(Root(), nested, "Saver", {kRegSz, "3"}));
  EXPECT_EQ(KeyClass(Root(), nested), "1");
  EXPECT_EQ(registry_.Query(Root(), nested, "Saver", kBufferBytes), (RegistryValue{kRegSz, "3"}));
}

TEST_P(Win32RegistryTest, SetReplacesTheValueAndItsType) {
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Saver", {kRegSz, "2"}));
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Saver", {kRegBinary, "5"}));
  EXPECT_EQ(ReadRaw(Root(), Key(), "Saver"), (RegistryValue{kRegBinary, "5"}));
}

TEST_P(Win32RegistryTest, KeyPathsAndValueNamesMatchWithoutRegardToCase) {
  ASSERT_TRUE(registry_.Set(Root(), Key() + "\\Talvora Saver", "Saver", {kRegSz, "4"}));
  EXPECT_EQ(registry_.Query(Root(), Key() + "\\TALVORA saver", "sAVER", kBufferBytes),
            (RegistryValue{kRegSz, "4"}));
}

TEST_P(Win32RegistryTest, QueryFailsForAMissingKeyOrValue) {
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Saver", {kRegSz, "1"}));
  EXPECT_EQ(registry_.Query(Root(), Key(), "Mouse", kBufferBytes), std::nullopt);
  EXPECT_EQ(registry_.Query(Root(), Key() + "\\Nowhere", "Saver", kBufferBytes), std::nullopt);
  std::string text = "passed in";
  EXPECT_FALSE(GetKeyValue(registry_, Root(), Key() + "\\Nowhere", "Saver", text));
  EXPECT_EQ(text, "");
}

TEST_P(Win32RegistryTest, QueryReadsNoMoreThanTheBufferHolds) {
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Long", {kRegSz, std::string(1025, 'x')}));
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Empty", {kRegSz, ""}));
  EXPECT_EQ(registry_.Query(Root(), Key(), "Long", 1024), std::nullopt);
  EXPECT_EQ(registry_.Query(Root(), Key(), "Long", 1025),
            (RegistryValue{kRegSz, std::string(1025, 'x')}));
  EXPECT_EQ(registry_.Query(Root(), Key(), "Empty", 0), (RegistryValue{kRegSz, ""}));
}

TEST_P(Win32RegistryTest, RemoveDeletesOnlyThatValue) {
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Saver", {kRegSz, "2"}));
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Mouse", {kRegSz, "0"}));
  EXPECT_TRUE(registry_.Remove(Root(), Key(), "Saver"));
  EXPECT_EQ(ReadRaw(Root(), Key(), "Saver"), std::nullopt);
  EXPECT_EQ(ReadRaw(Root(), Key(), "Mouse"), (RegistryValue{kRegSz, "0"}));
}

TEST_P(Win32RegistryTest, RemoveOfWhatNeverExistedSucceeds) {
  ASSERT_TRUE(registry_.Set(Root(), Key(), "Mouse", {kRegSz, "0"}));
  EXPECT_TRUE(registry_.Remove(Root(), Key(), "Saver"));
  EXPECT_TRUE(registry_.Remove(Root(), Key() + "\\Nowhere\\At All", "Saver"));
  EXPECT_FALSE(KeyExists(Root(), Key() + "\\Nowhere"));
}

INSTANTIATE_TEST_SUITE_P(Roots, Win32RegistryTest,
                         testing::Values(RootCase{kUser}, RootCase{kMachine}),
                         testing::PrintToStringParamName());

TEST(Win32Registry, EverythingFailsUnderARootWindowsDoesNotKnow) {
  const auto unknown = static_cast<RegistryRoot>(0x80000042u);
  Win32Registry registry;
  EXPECT_FALSE(registry.Set(unknown, "Software\\TalvoraTests", "Saver", {kRegSz, "2"}));
  EXPECT_EQ(registry.Query(unknown, "Software", "Saver", kBufferBytes), std::nullopt);
  EXPECT_FALSE(registry.Remove(unknown, "Software", "Saver"));
}

}  // namespace
}  // namespace talvora
