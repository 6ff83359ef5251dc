#include "platform/posix/regedit4_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>

namespace talvora {

// Trees print as their text when a comparison fails.
void PrintTo(const RegistryTree& tree, std::ostream* out) { *out << SerializeRegedit4(tree); }

namespace {

constexpr std::string_view kSaverKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Talvora\\Talvora Saver";

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// A text with one key holding the given value lines.
std::string OneKeyText(std::string_view valueLines) {
  return "REGEDIT4\n\n[" + std::string(kSaverKey) + "]\n" + std::string(valueLines) + "\n\n";
}

RegistryTree OneValueTree(std::string_view name, RegistryValue value) {
  RegistryTree tree;
  tree.SetValue(kSaverKey, name, std::move(value));
  return tree;
}

struct ValueCase {
  const char* what;
  std::string name;
  RegistryValue value;
  std::string line;  // as written in the (UTF-8) file
  friend std::ostream& operator<<(std::ostream& out, const ValueCase& c) { return out << c.what; }
};

class Regedit4ValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(Regedit4ValueTest, WritesTheValueAsItsLineAndReadsItBackExactly) {
  const RegistryTree tree = OneValueTree(GetParam().name, GetParam().value);
  const std::string text = SerializeRegedit4(tree);
  EXPECT_EQ(text, OneKeyText(GetParam().line));
  EXPECT_EQ(ParseRegedit4(text), tree);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Regedit4ValueTest,
    testing::Values(
        ValueCase{"text", "Saver", {kRegSz, "3"}, R"("Saver"="3")"},
        ValueCase{"empty text", "Email", {kRegSz, ""}, R"("Email"="")"},
        ValueCase{"blank then digit", "Tela", {kRegSz, " 1"}, R"("Tela"=" 1")"},
        ValueCase{
            "escapes", "Dir", {kRegSz, "c:\\windows\\ \"x\""}, R"("Dir"="c:\\windows\\ \"x\"")"},
        ValueCase{"escaped name", "a\"b\\c", {kRegSz, "1"}, R"("a\"b\\c"="1")"},
        ValueCase{"default value", "", {kRegSz, "d"}, R"(@="d")"},
        ValueCase{
            "accented, ANSI in memory", "Nome", {kRegSz, "3\xBA Lugar"}, R"("Nome"="3º Lugar")"},
        ValueCase{"accented name",
                  "Cr\xE9"
                  "ditos",
                  {kRegSz, "\x80"},
                  R"("Créditos"="€")"},
        ValueCase{
            "text with its NUL", "Saver", {kRegSz, Bytes({'2', 0})}, R"("Saver"=hex(1):32,00)"},
        ValueCase{"text with a line break", "T", {kRegSz, "a\nb"}, R"("T"=hex(1):61,0a,62)"},
        ValueCase{"dword", "D", {kRegDword, Bytes({0x02, 0x01, 0, 0})}, R"("D"=dword:00000102)"},
        ValueCase{"dword, all bits",
                  "D",
                  {kRegDword, Bytes({0xFF, 0xFE, 0xFD, 0xFC})},
                  R"("D"=dword:fcfdfeff)"},
        ValueCase{"dword of 2 bytes", "D", {kRegDword, Bytes({1, 2})}, R"("D"=hex(4):01,02)"},
        ValueCase{"binary", "B", {kRegBinary, Bytes({0x01, 0x02, 0xFF})}, R"("B"=hex:01,02,ff)"},
        ValueCase{"empty binary", "B", {kRegBinary, ""}, R"("B"=hex:)"},
        ValueCase{"expandable text", "E", {kRegExpandSz, Bytes({'%', 0})}, R"("E"=hex(2):25,00)"},
        ValueCase{"type 11",
                  "Q",
                  {11, Bytes({1, 0, 0, 0, 0, 0, 0, 0})},
                  R"("Q"=hex(b):01,00,00,00,00,00,00,00)"}));

struct ParseCase {
  const char* what;
  std::string line;
  RegistryValue value;
  friend std::ostream& operator<<(std::ostream& out, const ParseCase& c) { return out << c.what; }
};

class Regedit4ReadTest : public testing::TestWithParam<ParseCase> {};

TEST_P(Regedit4ReadTest, HandsOverTheBytesWindowsWould) {
  EXPECT_EQ(ParseRegedit4(OneKeyText(GetParam().line)), OneValueTree("V", GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Regedit4ReadTest,
    testing::Values(
        ParseCase{
            "dword, little-endian", R"("V"=dword:00000102)", {kRegDword, Bytes({2, 1, 0, 0})}},
        ParseCase{"short dword", R"("V"=dword:1)", {kRegDword, Bytes({1, 0, 0, 0})}},
        ParseCase{"upper-case dword",
                  R"("V"=DWORD:ABCDEF01)",
                  {kRegDword, Bytes({0x01, 0xEF, 0xCD, 0xAB})}},
        ParseCase{"text with NUL in hex", R"("V"=hex(1):32,00)", {kRegSz, Bytes({'2', 0})}},
        ParseCase{"upper-case hex", R"("V"=HEX:AB, CD)", {kRegBinary, Bytes({0xAB, 0xCD})}},
        ParseCase{"hex list over lines",
                  "\"V\"=hex:01,02,\\\n  03,\\\r\n\t04",
                  {kRegBinary, Bytes({1, 2, 3, 4})}},
        ParseCase{"typed list over lines", "\"V\"=hex(7):61,00,\\\n  00", {7, Bytes({'a', 0, 0})}},
        ParseCase{"later line wins", "\"V\"=\"1\"\n\"v\"=\"2\"", {kRegSz, "2"}},
        ParseCase{"blanks around the line", "  \"V\"=\"x\" \t", {kRegSz, "x"}}));

TEST(Regedit4Text, WrapsLongHexListsAndReadsThemBack) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<char>(i));
  const RegistryTree tree = OneValueTree("Long", {kRegBinary, bytes});
  const std::string text = SerializeRegedit4(tree);
  std::istringstream lines(text);
  int continued = 0;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    if (line.ends_with(",\\")) ++continued;
  }
  EXPECT_GT(continued, 10);
  EXPECT_EQ(ParseRegedit4(text), tree);
}

TEST(Regedit4Text, ReadsEveryKeyInOrderIgnoringCommentsBlankLinesAndCrLf) {
  const std::string text =
      "\xEF\xBB\xBFREGEDIT4\r\n"
      "; written by hand\r\n"
      "\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Talvora\\Talvora Saver]\r\n"
      "\"Saver\"=\"2\"\r\n"
      "   ; indented comment\r\n"
      "\"Mouse\"=\"1\"\r\n"
      "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
      "\"ScreenSaveUsePassword\"=dword:00000001\r\n"
      "\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup]\r\n"
      "\"Windir\"=\"C:\\\\WINDOWS\"\r\n"
      "[HKEY_CLASSES_ROOT\\Empty]";
  RegistryTree expected;
  expected.SetValue(kSaverKey, "Saver", {kRegSz, "2"});
  expected.SetValue(kSaverKey, "Mouse", {kRegSz, "1"});
  expected.SetValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "ScreenSaveUsePassword",
                    {kRegDword, Bytes({1, 0, 0, 0})});
  expected.SetValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup",
                    "Windir", {kRegSz, "C:\\WINDOWS"});
  expected.AddKey("HKEY_CLASSES_ROOT\\Empty");
  EXPECT_EQ(ParseRegedit4(text), expected);
}

TEST(Regedit4Text, ReadsAFileSavedInCodePage1252) {
  RegistryTree expected;
  expected.SetValue(
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Cr\xE9"
      "ditos",
      "Nome", {kRegSz, "3\xBA Lugar"});
  EXPECT_EQ(ParseRegedit4("REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Cr\xE9"
                          "ditos]\n"
                          "\"Nome\"=\"3\xBA Lugar\"\n"),
            expected);
}

TEST(Regedit4Text, ConvertsAUtf8FileToCodePage1252) {
  RegistryTree expected;
  expected.SetValue(
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Cr\xE9"
      "ditos",
      "Pr\xEAmio", {kRegSz, "3\xBA Lugar \x80"});
  EXPECT_EQ(ParseRegedit4("REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Créditos]\n"
                          "\"Prêmio\"=\"3º Lugar €\"\n"),
            expected);
}

TEST(Regedit4Text, AppliesDeletionsInOrder) {
  RegistryTree expected;
  expected.AddKey("HKEY_CURRENT_USER\\Gone too");
  expected.SetValue("HKEY_CURRENT_USER\\Kept", "B", {kRegSz, "2"});
  EXPECT_EQ(ParseRegedit4("REGEDIT4\n"
                          "[HKEY_CURRENT_USER\\Gone]\n\"A\"=\"1\"\n"
                          "[HKEY_CURRENT_USER\\Gone\\Sub]\n\"B\"=\"2\"\n"
                          "[HKEY_CURRENT_USER\\Gone too]\n"
                          "[HKEY_CURRENT_USER\\Kept]\n\"A\"=\"1\"\n\"B\"=\"2\"\n"
                          "\"a\"=-\n\"Never there\"=-\n"
                          "[-HKEY_CURRENT_USER\\gone]\n"),
            expected);
}

TEST(Regedit4Text, AnEmptyTextIsAnEmptyTree) {
  for (const std::string_view text : {"", "\n\r\n  \n", "\xEF\xBB\xBF", "REGEDIT4", "REGEDIT4\n"}) {
    EXPECT_EQ(ParseRegedit4(text), RegistryTree{}) << text;
  }
  EXPECT_EQ(SerializeRegedit4(RegistryTree{}), "REGEDIT4\n\n");
}

struct BadCase {
  const char* what;
  std::string text;
  friend std::ostream& operator<<(std::ostream& out, const BadCase& c) { return out << c.what; }
};

class Regedit4RejectTest : public testing::TestWithParam<BadCase> {};

TEST_P(Regedit4RejectTest, RefusesTheText) {
  EXPECT_EQ(ParseRegedit4(GetParam().text), std::nullopt);
}

// Each bad line sits in an otherwise good text, so only that line can be the cause.
BadCase BadLine(const char* what, std::string_view line) {
  return {what, OneKeyText(std::string("\"Good\"=\"1\"\n") + std::string(line))};
}

INSTANTIATE_TEST_SUITE_P(
    BadTexts, Regedit4RejectTest,
    testing::Values(
        BadCase{"no header", "[HKEY_CURRENT_USER\\X]\n\"a\"=\"b\"\n"},
        BadCase{"another header", "Windows Registry Editor Version 5.00\n"},
        BadCase{"header not first", "; comment\nREGEDIT4\n"},
        BadCase{"value before any key", "REGEDIT4\n\"a\"=\"b\"\n[HKEY_CURRENT_USER\\X]\n"},
        BadCase{"value after a deleted key", "REGEDIT4\n[-HKEY_CURRENT_USER\\X]\n\"a\"=\"b\"\n"},
        BadCase{"binary rubbish", "REGEDIT4\n\x01\xFF\xFE\n"}, BadLine("unknown line", "Saver=3"),
        BadLine("unterminated text", R"("a"="b)"), BadLine("unterminated name", R"("a=)"),
        BadLine("unknown escape", R"("a"="c:\w")"), BadLine("escape at the end", R"("a"="b\)"),
        BadLine("text after the quote", R"("a"="b" x)"), BadLine("no equals sign", R"("a" "b")"),
        BadLine("spaces round equals", R"("a" = "b")"), BadLine("unknown data", R"("a"=b)"),
        BadLine("bad hex digit", R"("a"=hex:0g)"), BadLine("three hex digits", R"("a"=hex:123)"),
        BadLine("one hex digit", R"("a"=hex:1)"), BadLine("empty hex item", R"("a"=hex:01,,02)"),
        BadLine("trailing comma", R"("a"=hex:01,)"),
        BadLine("continuation at the end", "\"a\"=hex:01,\\"),
        BadLine("hex type unclosed", R"("a"=hex(2:00)"),
        BadLine("bad hex type", R"("a"=hex(z):00)"),
        BadLine("hex type without colon", R"("a"=hex(2)00)"),
        BadLine("long dword", R"("a"=dword:000000001)"), BadLine("empty dword", R"("a"=dword:)"),
        BadLine("bad dword", R"("a"=dword:0000010g)"),
        BadLine("unclosed header", "[HKEY_CURRENT_USER"), BadLine("empty header", "[]"),
        BadLine("empty deletion", "[-]"),
        // Found by fuzzing: a path of backslashes alone named the empty key, printed as "[]".
        BadLine("header of backslashes", "[\\\\\\]"), BadLine("deletion of backslashes", "[-\\]")));

}  // namespace
}  // namespace talvora
