#pragma once

#include <optional>
#include <string_view>

#include "runtime/graphics/surface.h"
#include "runtime/text/text_renderer.h"
#include "runtime/text/text_style.h"

namespace talvora {

// The size a text takes: its widest line and the height of all its lines.
struct TextExtent {
  int width = 0;
  int height = 0;

  friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

// Draws a label's caption as a Windows label does: lines from the top,
// wrapped inside the label's width, each aligned on its own, in the colour on
// a transparent background, and nothing outside the label (nor outside
// `within`, when given: the part of a label being repainted). False, with
// nothing drawn, when no font file serves the font.
bool DrawLabelText(Surface& target, const PixelRect& label, std::string_view utf8,
                   const FontSpec& font, Pixel color, TextAlignment alignment,
                   TextRenderer& renderer, std::optional<PixelRect> within = std::nullopt);

// The extent of the text laid out as DrawLabelText lays it out, wrapped at
// wrapWidth when one is given; nullopt when no font file serves the font.
std::optional<TextExtent> MeasureText(std::string_view utf8, const FontSpec& font,
                                      TextRenderer& renderer,
                                      std::optional<int> wrapWidth = std::nullopt);

}  // namespace talvora
