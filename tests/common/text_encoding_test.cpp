#include "common/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace talvora {
namespace {

TEST(TextEncoding, AccentedPortugueseSurvivesARoundTrip) {
  for (const std::string text : {"3º Lugar", "Créditos", "Seleção", "Ação € “aspas”"}) {
    const std::string ansi = Utf8ToAnsi(text);
    EXPECT_EQ(AnsiToUtf8(ansi), text);
  }
  EXPECT_EQ(Utf8ToAnsi("3º Lugar"), "3\xBA Lugar");
  EXPECT_EQ(Utf8ToAnsi("€"), "\x80");
}

TEST(TextEncoding, EveryAnsiByteSurvivesARoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const std::string utf8 = AnsiToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToAnsi(utf8), all);
}

TEST(TextEncoding, WhatCodePage1252CannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToAnsi("a\xE2\x82"), "a??");  // a cut-off character
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");    // an overlong slash
  EXPECT_EQ(Utf8ToAnsi("日本"), "??");
  EXPECT_EQ(Utf8ToAnsi("😀x"), "?x");
}

TEST(TextEncoding, ValidatesUtf8) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("3º Lugar"));
  EXPECT_FALSE(IsValidUtf8("3\xBA Lugar"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_TRUE(HasNonAscii("º"));
  EXPECT_FALSE(HasNonAscii("Lugar"));
}

// Reads every character of a text, as a text renderer walks it.
std::u32string CodePointsOf(std::string_view utf8) {
  std::u32string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Char c = NextUtf8Char(utf8, at);
    out.push_back(c.codePoint);
    at += c.length;
  }
  return out;
}

TEST(TextEncoding, NextUtf8CharReadsCharactersAndStepsOverBadBytes) {
  EXPECT_EQ(CodePointsOf("Créditos"), U"Créditos");
  EXPECT_EQ(CodePointsOf("3º €😀"), U"3º €😀");
  EXPECT_EQ(CodePointsOf("a\xE2\x82"), U"a\uFFFD\uFFFD");          // a cut-off character
  EXPECT_EQ(CodePointsOf("\xBA!"), U"\uFFFD!");                    // a code page 1252 byte
  EXPECT_EQ(CodePointsOf("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // a surrogate
}

TEST(TextEncoding, Utf8PrefixNeverCutsACharacter) {
  EXPECT_EQ(Utf8Prefix("abc", 5), "abc");
  EXPECT_EQ(Utf8Prefix("abc", 2), "ab");
  EXPECT_EQ(Utf8Prefix("aº", 2), "a");
  EXPECT_EQ(Utf8Prefix("aº", 3), "aº");
  EXPECT_EQ(Utf8Prefix("€", 2), "");
}

}  // namespace
}  // namespace talvora
