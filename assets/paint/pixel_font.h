#pragma once

#include <string_view>

#include "assets/paint/canvas.h"

namespace talvora::paint {

// A small proportional pixel font: capitals and digits 7 pixels tall, lower
// case with ascenders and descenders, the accented letters Portuguese and
// Spanish names need. Every font pixel becomes a crisp scaleX x scaleY block.
// Text is UTF-8; a character the font lacks is drawn as "?".
struct TextStyle {
  int scaleX = 1;
  int scaleY = 1;
  Pixel color = kWhite;
  // Screen pixels added to the right of every block, to embolden.
  int bold = 0;
  // Font pixels between letters.
  int spacing = 1;
  // A ring of outlineWidth screen pixels around the letters, when set.
  int outlineWidth = 0;
  Pixel outlineColor = kBlack;
  // A copy offset by (shadowX, shadowY) screen pixels under the letters,
  // when either is non-zero.
  int shadowX = 0;
  int shadowY = 0;
  Pixel shadowColor = kBlack;
};

// Width in screen pixels of the letters themselves (no outline or shadow).
int TextWidth(std::string_view text, const TextStyle& style);

// Height of a capital in screen pixels.
constexpr int CapHeight(const TextStyle& style) { return 7 * style.scaleY; }

// Draws the text with its left edge at x and the top of its capitals at
// capTop; accents reach above capTop and descenders below the baseline.
void DrawText(Canvas& canvas, int x, int capTop, std::string_view text, const TextStyle& style);

// The same, centred on centreX.
void DrawTextCentred(Canvas& canvas, int centreX, int capTop, std::string_view text,
                     const TextStyle& style);

}  // namespace talvora::paint
