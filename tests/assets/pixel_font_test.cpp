#include "assets/paint/pixel_font.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/assets/surface_checks.h"

namespace talvora::paint {
namespace {

using testing_support::CountPixels;

Surface Render(std::string_view text, const TextStyle& style) {
  Surface surface(200, 60);
  Canvas canvas(surface);
  DrawText(canvas, 4, 20, text, style);
  return surface;
}

int Ink(const Surface& surface) {
  return CountPixels(surface, [](Pixel p) { return p == kWhite; });
}

TextStyle Scaled(int scaleX, int scaleY) {
  TextStyle style;
  style.scaleX = scaleX;
  style.scaleY = scaleY;
  return style;
}

struct WidthCase {
  const char* text;
  int scale;
  int bold;
  int expected;
  friend std::ostream& operator<<(std::ostream& out, const WidthCase& c) {
    return out << '"' << c.text << "\" x" << c.scale << " bold " << c.bold;
  }
};

class TextWidthTest : public testing::TestWithParam<WidthCase> {};

TEST_P(TextWidthTest, SumsGlyphsAndSpacing) {
  TextStyle style = Scaled(GetParam().scale, GetParam().scale);
  style.bold = GetParam().bold;
  EXPECT_EQ(TextWidth(GetParam().text, style), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextWidthTest,
                         testing::Values(WidthCase{"", 1, 0, 0}, WidthCase{"I", 1, 0, 3},
                                         WidthCase{"AB", 1, 0, 11}, WidthCase{"AB", 3, 0, 33},
                                         WidthCase{"AB", 2, 1, 23}, WidthCase{"1 2", 1, 0, 15},
                                         WidthCase{"É", 2, 0, 10}));

TEST(PixelFont, EveryFontPixelBecomesAScaledBlock) {
  for (const char* text : {"1930", "Suécia", "ESPAÑA"}) {
    const int plain = Ink(Render(text, Scaled(1, 1)));
    EXPECT_GT(plain, 0) << text;
    EXPECT_EQ(Ink(Render(text, Scaled(3, 3))), 9 * plain) << text;
    EXPECT_EQ(Ink(Render(text, Scaled(1, 2))), 2 * plain) << text;
  }
}

TEST(PixelFont, AccentsRiseAboveAndDescendersFallBelowTheLetters) {
  const auto rowsWithInk = [](const Surface& s, int from, int to) {
    int rows = 0;
    for (int y = from; y < to; ++y) {
      bool ink = false;
      for (int x = 0; x < s.Width(); ++x) ink = ink || s.At(x, y) == kWhite;
      rows += ink ? 1 : 0;
    }
    return rows;
  };
  // Capitals fill rows 20 to 26; accents two rows above, descenders two below.
  const Surface plain = Render("E", Scaled(1, 1));
  EXPECT_EQ(rowsWithInk(plain, 0, 20), 0);
  EXPECT_EQ(rowsWithInk(plain, 20, 27), 7);
  EXPECT_EQ(rowsWithInk(Render("É", Scaled(1, 1)), 18, 20), 2);
  EXPECT_EQ(rowsWithInk(Render("p", Scaled(1, 1)), 27, 60), 2);
  EXPECT_EQ(rowsWithInk(Render("a", Scaled(1, 1)), 20, 22), 0);
}

TEST(PixelFont, DrawsQuestionMarksForWhatItLacks) {
  const Surface question = Render("?", Scaled(2, 2));
  EXPECT_TRUE(Render("\u4E2D", Scaled(2, 2)) == question);
  EXPECT_TRUE(Render("\xFF", Scaled(2, 2)) == question);
}

TEST(PixelFont, HasEveryLetterThePicturesWrite) {
  const std::string used = "URUGAYITLFNCEBSVHDMÉXOPÑ0123456789 Suéciahlxoabdp'-.";
  const Surface question = Render("?", Scaled(1, 1));
  std::string_view rest = used;
  while (!rest.empty()) {
    const std::size_t length = (static_cast<unsigned char>(rest[0]) >= 0xC0) ? 2 : 1;
    const std::string_view letter = rest.substr(0, length);
    rest.remove_prefix(length);
    if (letter == " ") continue;
    EXPECT_FALSE(Render(letter, Scaled(1, 1)) == question) << letter;
  }
}

TEST(PixelFont, OutlineAndShadowSitUnderTheLetters) {
  TextStyle style = Scaled(2, 2);
  style.outlineWidth = 1;
  style.outlineColor = 0xFF0000;
  style.shadowX = 3;
  style.shadowY = 3;
  style.shadowColor = 0x0000FF;
  const Surface fancy = Render("H", style);
  EXPECT_EQ(Ink(fancy), Ink(Render("H", Scaled(2, 2))));
  EXPECT_GT(CountPixels(fancy, [](Pixel p) { return p == 0xFF0000; }), 0);
  EXPECT_GT(CountPixels(fancy, [](Pixel p) { return p == 0x0000FF; }), 0);
}

}  // namespace
}  // namespace talvora::paint
