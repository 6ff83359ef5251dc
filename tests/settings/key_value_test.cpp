#include "settings/key_value.h"

#include <gtest/gtest.h>

#include "platform/fake/memory_registry.h"

namespace talvora {
namespace {

constexpr auto kMachine = RegistryRoot::kLocalMachine;
constexpr std::string_view kKey = "SOFTWARE\\Talvora\\Talvora Saver";

struct StoredCase {
  const char* what;
  RegistryValue stored;
  std::string expected;
  friend std::ostream& operator<<(std::ostream& out, const StoredCase& c) { return out << c.what; }
};

class GetKeyValueTest : public testing::TestWithParam<StoredCase> {};

TEST_P(GetKeyValueTest, ReadsTheStoredValueAsText) {
  SCOPED_TRACE(GetParam().what);
  MemoryRegistry registry;
  registry.Set(kMachine, kKey, "Value", GetParam().stored);
  std::string text = "passed in";
  EXPECT_TRUE(GetKeyValue(registry, kMachine, kKey, "Value", text));
  EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueTest,
    testing::Values(
        StoredCase{"text without NUL", {kRegSz, "Final"}, "Final"},
        StoredCase{"text with NUL", {kRegSz, std::string("Final\0", 6)}, "Final"},
        StoredCase{
            "only the last NUL goes", {kRegSz, std::string("a\0\0", 3)}, std::string("a\0", 2)},
        StoredCase{"ANSI becomes UTF-8", {kRegSz, "3\xBA Lugar"}, "3º Lugar"},
        StoredCase{"empty value", {kRegSz, ""}, ""}, StoredCase{"blank", {kRegSz, " "}, " "},
        StoredCase{"1024 bytes fit", {kRegSz, std::string(1024, 'x')}, std::string(1024, 'x')},
        StoredCase{
            "dword, bytes last to first", {kRegDword, std::string("\x02\x01\x00\x00", 4)}, "&h012"},
        StoredCase{
            "dword with high bytes", {kRegDword, std::string("\xAB\x0C\x00\x01", 4)}, "&h10CAB"},
        StoredCase{"other types keep the text", {kRegBinary, "\x01\x02"}, "passed in"},
        StoredCase{"expandable text keeps the text", {kRegExpandSz, "%WINDIR%"}, "passed in"}));

TEST(GetKeyValue, FailsWithAnEmptyTextWhenNothingCanBeRead) {
  MemoryRegistry registry;
  registry.Set(kMachine, kKey, "Long", {kRegSz, std::string(1025, 'x')});
  std::string text = "passed in";
  EXPECT_FALSE(GetKeyValue(registry, kMachine, kKey, "Missing", text));
  EXPECT_EQ(text, "");
  text = "passed in";
  EXPECT_FALSE(GetKeyValue(registry, kMachine, "SOFTWARE\\Nowhere", "Saver", text));
  EXPECT_EQ(text, "");
  EXPECT_FALSE(GetKeyValue(registry, kMachine, kKey, "Long", text));
  registry.RefuseReads(kMachine);
  EXPECT_FALSE(GetKeyValue(registry, kMachine, kKey, "Missing", text));
}

TEST(SetKeyValue, WritesAnsiTextWithoutTerminatingNul) {
  MemoryRegistry registry;
  ASSERT_TRUE(SetKeyValue(registry, kMachine, kKey, "Email", "Créditos"));
  EXPECT_EQ(*registry.Stored(kMachine, kKey, "Email"), (RegistryValue{kRegSz,
                                                                      "Cr\xE9"
                                                                      "ditos"}));
}

TEST(SetKeyValue, WritesAnEmptyTextAsABlankThatReadsBackAsABlank) {
  MemoryRegistry registry;
  ASSERT_TRUE(SetKeyValue(registry, kMachine, kKey, "Senha", ""));
  EXPECT_EQ(registry.Stored(kMachine, kKey, "Senha")->data, " ");
  std::string text;
  EXPECT_TRUE(GetKeyValue(registry, kMachine, kKey, "Senha", text));
  EXPECT_EQ(text, " ");
}

TEST(SetKeyValue, ReportsARefusedWrite) {
  MemoryRegistry registry;
  registry.RefuseWrites(kMachine);
  EXPECT_FALSE(SetKeyValue(registry, kMachine, kKey, "Saver", "2"));
}

}  // namespace
}  // namespace talvora
