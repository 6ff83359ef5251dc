#include "assets/paint/pixel_font.h"

#include <algorithm>
#include <array>

namespace talvora::paint {
namespace {

// One glyph: rows of '#' (ink) and '.' separated by '|', the first of them
// drawn at font row `top`. Row 2 is the top of a capital and row 8 the
// baseline; rows 0 and 1 hold accents over capitals, rows 9 and 10
// descenders; lower case starts at row 4 (row 2 with an ascender).
struct Glyph {
  char32_t code;
  int top;
  std::string_view rows;
};

constexpr int kCapTopRow = 2;

constexpr std::array kGlyphs = {
    Glyph{U' ', 2, "...|...|...|...|...|...|..."},
    Glyph{U'!', 2, "#|#|#|#|#|.|#"},
    Glyph{U'\'', 2, "#|#"},
    Glyph{U',', 7, ".#|.#|#."},
    Glyph{U'-', 5, "####"},
    Glyph{U'.', 7, "##|##"},
    Glyph{U'/', 2, "....#|...#.|...#.|..#..|.#...|.#...|#...."},
    Glyph{U':', 3, "##|##|..|..|##|##"},
    Glyph{U'?', 2, ".###.|#...#|....#|...#.|..#..|.....|..#.."},
    Glyph{U'0', 2, ".###.|#...#|#..##|#.#.#|##..#|#...#|.###."},
    Glyph{U'1', 2, "..#..|.##..|..#..|..#..|..#..|..#..|.###."},
    Glyph{U'2', 2, ".###.|#...#|....#|...#.|..#..|.#...|#####"},
    Glyph{U'3', 2, "#####|...#.|..#..|...#.|....#|#...#|.###."},
    Glyph{U'4', 2, "...#.|..##.|.#.#.|#..#.|#####|...#.|...#."},
    Glyph{U'5', 2, "#####|#....|####.|....#|....#|#...#|.###."},
    Glyph{U'6', 2, "..##.|.#...|#....|####.|#...#|#...#|.###."},
    Glyph{U'7', 2, "#####|....#|...#.|..#..|.#...|.#...|.#..."},
    Glyph{U'8', 2, ".###.|#...#|#...#|.###.|#...#|#...#|.###."},
    Glyph{U'9', 2, ".###.|#...#|#...#|.####|....#|...#.|.##.."},
    Glyph{U'A', 2, ".###.|#...#|#...#|#####|#...#|#...#|#...#"},
    Glyph{U'B', 2, "####.|#...#|#...#|####.|#...#|#...#|####."},
    Glyph{U'C', 2, ".###.|#...#|#....|#....|#....|#...#|.###."},
    Glyph{U'D', 2, "####.|#...#|#...#|#...#|#...#|#...#|####."},
    Glyph{U'E', 2, "#####|#....|#....|####.|#....|#....|#####"},
    Glyph{U'F', 2, "#####|#....|#....|####.|#....|#....|#...."},
    Glyph{U'G', 2, ".###.|#...#|#....|#.###|#...#|#...#|.####"},
    Glyph{U'H', 2, "#...#|#...#|#...#|#####|#...#|#...#|#...#"},
    Glyph{U'I', 2, "###|.#.|.#.|.#.|.#.|.#.|###"},
    Glyph{U'J', 2, "..###|...#.|...#.|...#.|...#.|#..#.|.##.."},
    Glyph{U'K', 2, "#...#|#..#.|#.#..|##...|#.#..|#..#.|#...#"},
    Glyph{U'L', 2, "#....|#....|#....|#....|#....|#....|#####"},
    Glyph{U'M', 2, "#...#|##.##|#.#.#|#.#.#|#...#|#...#|#...#"},
    Glyph{U'N', 2, "#...#|#...#|##..#|#.#.#|#..##|#...#|#...#"},
    Glyph{U'O', 2, ".###.|#...#|#...#|#...#|#...#|#...#|.###."},
    Glyph{U'P', 2, "####.|#...#|#...#|####.|#....|#....|#...."},
    Glyph{U'Q', 2, ".###.|#...#|#...#|#...#|#.#.#|#..#.|.##.#"},
    Glyph{U'R', 2, "####.|#...#|#...#|####.|#.#..|#..#.|#...#"},
    Glyph{U'S', 2, ".####|#....|#....|.###.|....#|....#|####."},
    Glyph{U'T', 2, "#####|..#..|..#..|..#..|..#..|..#..|..#.."},
    Glyph{U'U', 2, "#...#|#...#|#...#|#...#|#...#|#...#|.###."},
    Glyph{U'V', 2, "#...#|#...#|#...#|#...#|#...#|.#.#.|..#.."},
    Glyph{U'W', 2, "#...#|#...#|#...#|#.#.#|#.#.#|#.#.#|.#.#."},
    Glyph{U'X', 2, "#...#|#...#|.#.#.|..#..|.#.#.|#...#|#...#"},
    Glyph{U'Y', 2, "#...#|#...#|.#.#.|..#..|..#..|..#..|..#.."},
    Glyph{U'Z', 2, "#####|....#|...#.|..#..|.#...|#....|#####"},
    Glyph{U'a', 4, ".###.|....#|.####|#...#|.####"},
    Glyph{U'b', 2, "#....|#....|####.|#...#|#...#|#...#|####."},
    Glyph{U'c', 4, ".###|#...|#...|#...|.###"},
    Glyph{U'd', 2, "....#|....#|.####|#...#|#...#|#...#|.####"},
    Glyph{U'e', 4, ".###.|#...#|#####|#....|.###."},
    Glyph{U'f', 2, "..##|.#..|####|.#..|.#..|.#..|.#.."},
    Glyph{U'g', 4, ".####|#...#|#...#|#...#|.####|....#|.###."},
    Glyph{U'h', 2, "#....|#....|####.|#...#|#...#|#...#|#...#"},
    Glyph{U'i', 2, "#|.|#|#|#|#|#"},
    Glyph{U'j', 2, "..#|...|..#|..#|..#|..#|..#|#.#|.#."},
    Glyph{U'k', 2, "#...|#...|#..#|#.#.|##..|#.#.|#..#"},
    Glyph{U'l', 2, "#.|#.|#.|#.|#.|#.|.#"},
    Glyph{U'm', 4, "##.#.|#.#.#|#.#.#|#.#.#|#.#.#"},
    Glyph{U'n', 4, "####.|#...#|#...#|#...#|#...#"},
    Glyph{U'o', 4, ".###.|#...#|#...#|#...#|.###."},
    Glyph{U'p', 4, "####.|#...#|#...#|#...#|####.|#....|#...."},
    Glyph{U'q', 4, ".####|#...#|#...#|#...#|.####|....#|....#"},
    Glyph{U'r', 4, "#.##|##..|#...|#...|#..."},
    Glyph{U's', 4, ".###|#...|.##.|...#|###."},
    Glyph{U't', 2, ".#..|.#..|####|.#..|.#..|.#..|..##"},
    Glyph{U'u', 4, "#...#|#...#|#...#|#...#|.####"},
    Glyph{U'v', 4, "#...#|#...#|#...#|.#.#.|..#.."},
    Glyph{U'w', 4, "#...#|#...#|#.#.#|#.#.#|.#.#."},
    Glyph{U'x', 4, "#...#|.#.#.|..#..|.#.#.|#...#"},
    Glyph{U'y', 4, "#...#|#...#|#...#|#...#|.####|....#|.###."},
    Glyph{U'z', 4, "#####|...#.|..#..|.#...|#####"},
    Glyph{U'º', 2, ".#.|#.#|.#.|...|###"},
    Glyph{U'Á', 0, "...#.|..#..|.###.|#...#|#...#|#####|#...#|#...#|#...#"},
    Glyph{U'Ã', 0, ".##.#|#.##.|.###.|#...#|#...#|#####|#...#|#...#|#...#"},
    Glyph{U'Ç', 2, ".###.|#...#|#....|#....|#....|#...#|.###.|..#..|.##.."},
    Glyph{U'É', 0, "...#.|..#..|#####|#....|#....|####.|#....|#....|#####"},
    Glyph{U'Í', 0, "..#|.#.|###|.#.|.#.|.#.|.#.|.#.|###"},
    Glyph{U'Ñ', 0, ".##.#|#.##.|#...#|##..#|#.#.#|#.#.#|#..##|#...#|#...#"},
    Glyph{U'Ó', 0, "...#.|..#..|.###.|#...#|#...#|#...#|#...#|#...#|.###."},
    Glyph{U'Ú', 0, "...#.|..#..|#...#|#...#|#...#|#...#|#...#|#...#|.###."},
    Glyph{U'á', 2, "...#.|..#..|.###.|....#|.####|#...#|.####"},
    Glyph{U'ã', 2, ".##.#|#.##.|.###.|....#|.####|#...#|.####"},
    Glyph{U'ç', 4, ".###|#...|#...|#...|.###|..#.|.##."},
    Glyph{U'é', 2, "...#.|..#..|.###.|#...#|#####|#....|.###."},
    Glyph{U'í', 2, ".#|#.|.#|.#|.#|.#|.#"},
    Glyph{U'ñ', 2, ".##.#|#.##.|####.|#...#|#...#|#...#|#...#"},
    Glyph{U'ó', 2, "...#.|..#..|.###.|#...#|#...#|#...#|.###."},
    Glyph{U'ú', 2, "...#.|..#..|#...#|#...#|#...#|#...#|.####"},
};

const Glyph& GlyphFor(char32_t code) {
  const auto found = std::find_if(kGlyphs.begin(), kGlyphs.end(),
                                  [code](const Glyph& glyph) { return glyph.code == code; });
  if (found != kGlyphs.end()) return *found;
  return GlyphFor(U'?');
}

int WidthOf(const Glyph& glyph) {
  return static_cast<int>(std::min(glyph.rows.find('|'), glyph.rows.size()));
}

// Decodes one UTF-8 character at the front of text and removes it; a byte
// that starts no valid character reads as U+FFFD.
char32_t TakeCharacter(std::string_view& text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 1;
  char32_t code = lead;
  if (lead >= 0xF0) {
    length = 4;
    code = lead & 0x07U;
  } else if (lead >= 0xE0) {
    length = 3;
    code = lead & 0x0FU;
  } else if (lead >= 0xC0) {
    length = 2;
    code = lead & 0x1FU;
  } else if (lead >= 0x80) {
    text.remove_prefix(1);
    return U'\uFFFD';
  }
  if (length > text.size()) length = text.size();
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0U) != 0x80U) {
      text.remove_prefix(i);
      return U'\uFFFD';
    }
    code = (code << 6) | (byte(i) & 0x3FU);
  }
  text.remove_prefix(length);
  return code;
}

// Calls ink(left, top, width, height) for every ink block of the text.
template <class Ink>
void ForEachBlock(int x, int capTop, std::string_view text, const TextStyle& style, Ink&& ink) {
  while (!text.empty()) {
    const Glyph& glyph = GlyphFor(TakeCharacter(text));
    const int width = WidthOf(glyph);
    int row = glyph.top - kCapTopRow;
    for (std::size_t start = 0; start <= glyph.rows.size(); ++row) {
      const std::size_t end = std::min(glyph.rows.find('|', start), glyph.rows.size());
      for (std::size_t column = start; column < end; ++column) {
        if (glyph.rows[column] != '#') continue;
        ink(x + static_cast<int>(column - start) * style.scaleX, capTop + row * style.scaleY,
            style.scaleX + style.bold, style.scaleY);
      }
      start = end + 1;
    }
    x += (width + style.spacing) * style.scaleX;
  }
}

}  // namespace

int TextWidth(std::string_view text, const TextStyle& style) {
  int width = 0;
  int letters = 0;
  while (!text.empty()) {
    width += WidthOf(GlyphFor(TakeCharacter(text)));
    ++letters;
  }
  if (letters == 0) return 0;
  return (width + (letters - 1) * style.spacing) * style.scaleX + style.bold;
}

void DrawText(Canvas& canvas, int x, int capTop, std::string_view text, const TextStyle& style) {
  const auto draw = [&](int dx, int dy, int grow, Pixel color) {
    ForEachBlock(x, capTop, text, style, [&](int left, int top, int width, int height) {
      canvas.FillRect({left + dx - grow, top + dy - grow, width + 2 * grow, height + 2 * grow},
                      color);
    });
  };
  if (style.shadowX != 0 || style.shadowY != 0) {
    draw(style.shadowX, style.shadowY, style.outlineWidth, style.shadowColor);
  }
  if (style.outlineWidth > 0) draw(0, 0, style.outlineWidth, style.outlineColor);
  draw(0, 0, 0, style.color);
}

void DrawTextCentred(Canvas& canvas, int centreX, int capTop, std::string_view text,
                     const TextStyle& style) {
  DrawText(canvas, centreX - TextWidth(text, style) / 2, capTop, text, style);
}

}  // namespace talvora::paint
