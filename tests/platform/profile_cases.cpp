#include "tests/platform/profile_cases.h"

#include "common/utf8_path.h"
#include "tests/support/temp_folder.h"

namespace talvora {
namespace {

std::string Letters(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text.push_back(static_cast<char>('a' + i % 26));
  return text;
}

std::string Repeat(std::string_view piece, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string Utf8CupFile() {
  return std::string(kBom) + "[3\xC2\xBA Lugar]\nk=\xC3\xA9\xE2\x82\xAC\n";
}

// Reads key "k" of section "s" with the default "D" into a 255-character
// buffer, unless the case says otherwise.
ProfileCase Read(const char* what, std::optional<std::string> content, std::string expected) {
  return {what, std::move(content), std::move(expected), "s", "k", "D", 255, ""};
}

std::vector<ProfileCase> ValueCases() {
  return {
      Read("a plain value", "[s]\nk=v\n", "v"),
      Read("an empty value reads empty", "[s]\nk=\n", ""),
      Read("300 characters read as the first 254", "[s]\nk=" + Letters(300) + "\n", Letters(254)),
      Read("a value cut to a small buffer", "[s]\nk=vw\n", "v").Buffer(2),
      Read("a value may hold =", "[s]\nk=a=b\n", "a=b"),
      Read("names may hold blanks", "[a b]\nk k=v\n", "v").Section("a b").Key("k k"),
      Read("byte 0xBA in a section name", "[3\xBA Lugar]\nJOGO01=Brasil 2 x 1 It\xE1lia\n",
           "Brasil 2 x 1 It\xE1lia")
          .Section("3\xBA Lugar")
          .Key("JOGO01"),
      Read("high bytes come back as they are", "[s]\nk=\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xFF\n",
           "\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xFF"),
      Read("a NUL ends a value", std::string("[s]\nk=a\0b\n", 10), "a"),
  };
}

std::vector<ProfileCase> NameCases() {
  return {
      Read("names match without regard to ASCII case", "[SeC]\nKeY=v\n", "v")
          .Section("sEc")
          .Key("kEy"),
      Read("non-ASCII letters keep their case", "[\xC9]\nk=v\n", "D").Section("\xE9"),
      Read("blanks around key and value go, those inside stay", "[s]\n  k \t=  v  w \t\n", "v  w"),
      Read("blanks around the header and inside its brackets go", "  [ s ]\t\nk=v\n", "v"),
      Read("blanks around the asked names go", "[s]\nk=v\n", "v").Section("\ts ").Key(" k\x1A"),
      Read("Ctrl-Z, vertical tab and form feed are blanks", "[s]\nk=\x0Bv\x0C\x1A\n", "v"),
      Read("a no-break space is not a blank", "[s]\nk=v\xA0\n", "v\xA0"),
  };
}

std::vector<ProfileCase> QuoteCases() {
  return {
      Read("double quotes go", "[s]\nk=\"v\"\n", "v"),
      Read("single quotes go", "[s]\nk='v'\n", "v"),
      Read("only one pair of quotes goes", "[s]\nk=\"\"v\"\"\n", "\"v\""),
      Read("blanks inside quotes stay", "[s]\nk=\" v \"\n", " v "),
      Read("blanks outside quotes go first", "[s]\nk= \"v\" \n", "v"),
      Read("quotes that do not match stay", "[s]\nk=\"v'\n", "\"v'"),
      Read("a lone quote stays", "[s]\nk=\"\n", "\""),
      Read("a pair of quotes reads empty", "[s]\nk=\"\"\n", ""),
      Read("a quoted value too long keeps its start", "[s]\nk=\"" + Letters(300) + "\"\n",
           Letters(254)),
      Read("a quoted value that just fits loses only its quotes", "[s]\nk=\"abc\"\n", "abc")
          .Buffer(5),
      Read("a quoted value with no room for the closing quote loses a character",
           "[s]\nk=\"abc\"\n", "ab")
          .Buffer(4),
      Read("254 characters in quotes read as 253", "[s]\nk=\"" + std::string(254, 'q') + "\"\n",
           std::string(253, 'q')),
  };
}

std::vector<ProfileCase> FirstWinsCases() {
  return {
      Read("the first section of a name wins", "[s]\nk=1\n[t]\n[s]\nk=2\n", "1"),
      Read("sections of one name are not merged", "[s]\na=1\n[t]\nz=0\n[s]\nk=2\n", "D"),
      Read("the first key of a name wins", "[s]\nk=1\nk=2\n", "1"),
      Read("an empty first value wins too", "[s]\nk=\nk=v\n", ""),
      Read("a section ends at the next header", "[s]\n[t]\nk=v\n", "D"),
      Read("a line without = is passed over", "[s]\nabc\nk=v\n", "v"),
      Read("a line without = hides a later key of its name", "[s]\nk\nk=v\n", "D"),
      Read("a commented-out key is not read", "[s]\n;k=c\nk=v\n", "v"),
      Read("a comment is a key no one asks for", "[s]\n;k=c\n", "c").Key(";k"),
  };
}

std::vector<ProfileCase> DefaultCases() {
  return {
      Read("a missing file gives the default", std::nullopt, "D"),
      Read("an empty file gives the default", "", "D"),
      Read("a missing section gives the default", "[s]\nk=v\n", "D").Section("t"),
      Read("a missing key gives the default", "[s]\nk=v\n", "D").Key("j"),
      Read("a section only in another file reads empty", "[s]\nj=1\n", "")
          .Section("t")
          .Default("")
          .Beside("[t]\nk=v\n"),
      Read("the default is cut to the buffer", "[s]\n", "DEF").Default("DEFAULT").Buffer(4),
      Read("the default of a missing file is cut too", std::nullopt, "DEF")
          .Default("DEFAULT")
          .Buffer(4),
      Read("trailing spaces of the default go", "[s]\n", "D").Default("D  "),
      Read("a default of spaces keeps one", "[s]\n", " ").Default("   "),
      Read("leading spaces and trailing tabs of the default stay", "[s]\n", "  D\t")
          .Default("  D\t"),
      Read("quotes around the default go", std::nullopt, "D").Default("\"D\" "),
      Read("a 0-size buffer reads empty", "[s]\nk=v\n", "").Key("x").Default("").Buffer(0),
      Read("a 0-size buffer reads empty for a value too", "[s]\nk=v\n", "").Buffer(0),
      Read("a 1-character buffer reads empty", "[s]\nk=v\n", "").Buffer(1),
  };
}

std::vector<ProfileCase> LineCases() {
  return {
      Read("CR LF line ends", "[s]\r\nk=v\r\nj=w\r\n", "w").Key("j"),
      Read("CR line ends", "[s]\rk=v\rj=w\r", "w").Key("j"),
      Read("mixed line ends", "[s]\nk=v\rj=w\r\n", "w").Key("j"),
      Read("no line end after the last line", "[s]\nk=v", "v"),
      Read("a key before any header belongs to the empty section name", "k=v\n[s]\nx=1\n", "v")
          .Section(""),
      Read("a blank section name asks for the empty one", "k=v\n[s]\nx=1\n", "v").Section(" "),
      Read("a key before any header is not in the first section", "k=v\n[s]\nx=1\n", "D"),
      Read("a [] header is hidden by what comes before the first header", "[]\nk=v\n", "D")
          .Section(""),
      Read("[ without ] is no header", "[s\nk=v\n", "D"),
      Read("[ without ] is a line of the section before", "[p]\n[s\nk=v\n", "v").Section("p"),
      Read("[ without ] is a key", "[p]\n[s=3\n", "3").Section("p").Key("[s"),
      Read("text after ] is ignored", "[s] junk\nk=v\n", "v"),
      Read("text after ] is no key", "[s]x=1\nk=v\n", "D").Key("x"),
      Read("the name runs to the last ]", "[a]b]\nk=v\n", "v").Section("a]b"),
      Read("the name does not stop at the first ]", "[a]b]\nk=v\n", "D").Section("a"),
      Read("an empty key name finds a line starting with =", "[s]\n=v\n", "v").Key(""),
      Read("an empty key name without such a line gives the default", "[s]\nk=v\n", "D").Key(""),
  };
}

std::vector<ProfileCase> EncodingCases() {
  return {
      Read("with a UTF-8 signature the file is read as UTF-8", std::string(kBom) + "[s]\nk=v\n",
           "v"),
      Read("with a UTF-8 signature the texts are ANSI", Utf8CupFile(), "\xE9\x80")
          .Section("3\xBA Lugar"),
      Read("with a UTF-8 signature UTF-8 names do not match", Utf8CupFile(), "D")
          .Section("3\xC2\xBA Lugar"),
      Read("with a UTF-8 signature what ANSI lacks becomes ?",
           std::string(kBom) + "[s]\nk=a\xE2\x98\x83\n", "a?"),
      Read("with a UTF-8 signature the cut counts characters",
           std::string(kBom) + "[s]\nk=" + Repeat("\xC3\xA9", 300) + "\n",
           std::string(254, '\xE9')),
      Read("without the signature UTF-8 is just bytes", "[3\xC2\xBA Lugar]\nk=v\xC2\xBA\n",
           "v\xC2\xBA")
          .Section("3\xC2\xBA Lugar"),
      Read("half a signature is part of the first line", "\xEF\xBB[s]\nk=v\n", "D"),
  };
}

}  // namespace

std::vector<ProfileCase> ProfileCases() {
  std::vector<ProfileCase> cases;
  for (auto group : {ValueCases(), NameCases(), QuoteCases(), FirstWinsCases(), DefaultCases(),
                     LineCases(), EncodingCases()}) {
    cases.insert(cases.end(), group.begin(), group.end());
  }
  return cases;
}

std::string CopiedValue(const ProfileService& profile, std::string_view section,
                        std::string_view key, std::string_view defaultText,
                        std::size_t bufferSize, const std::filesystem::path& file) {
  std::string copied;
  profile.GetString(section, key, defaultText, bufferSize, file, copied);
  return copied;
}

TEST_P(ProfileTableTest, ReadsAsTheWindowsServiceDoes) {
  const auto& [underTest, c] = GetParam();
  const TempFolder folder;
  if (c.content) folder.Write("profile.ini", *c.content);
  if (!c.otherFile.empty()) folder.Write("other.ini", c.otherFile);
  const auto profile = underTest.make();
  const auto file = PathFromUtf8(folder.PathOf("profile.ini"));
  EXPECT_EQ(CopiedValue(*profile, c.section, c.key, c.defaultText, c.bufferSize, file),
            c.expected);
  // Storage that held a longer value before holds this one alone after.
  std::string used(300, '#');
  profile->GetString(c.section, c.key, c.defaultText, c.bufferSize, file, used);
  EXPECT_EQ(used, c.expected);
}

TEST_P(ProfilePathTest, ReadsAFileWhosePathIsNotAscii) {
  const TempFolder folder;
  const std::string file = folder.Write("Copa ção/tabela.ini", "[Final]\nJOGO01=Brasil\n");
  const auto profile = GetParam().make();
  EXPECT_EQ(CopiedValue(*profile, "Final", "JOGO01", "", 255, PathFromUtf8(file)), "Brasil");
}

}  // namespace talvora
