#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/text/glyph_image.h"
#include "runtime/text/sfnt_tables.h"

namespace talvora {

// One size of a bitmap font: its line metrics in pixels.
struct BitmapStrike {
  int ppem = 0;
  int ascent = 0;   // rows above the baseline
  int descent = 0;  // rows below it

  friend bool operator==(const BitmapStrike&, const BitmapStrike&) = default;
};

// The one-bit glyph bitmaps a font file embeds (its EBLC and EBDT tables), as
// fonts converted from Windows bitmap fonts hold them instead of outlines.
class EmbeddedBitmaps {
 public:
  // What the font holds; no strikes when it holds none or they are damaged.
  static EmbeddedBitmaps Read(const BigEndianBytes& font);

  const std::vector<BitmapStrike>& Strikes() const { return strikes_; }

  // The glyph's image in strike number `strike`, with full coverage where a
  // bit is set; nullopt when the strike holds no image for the glyph.
  std::optional<GlyphImage> Glyph(std::size_t strike, std::uint16_t glyph) const;

 private:
  std::optional<GlyphImage> FromSubtable(const BigEndianBytes& subtable, std::uint16_t first,
                                         std::uint16_t glyph) const;

  BigEndianBytes locations_;  // EBLC
  BigEndianBytes images_;     // EBDT
  std::vector<BitmapStrike> strikes_;
  std::vector<std::size_t> strikeRecords_;  // offsets in EBLC, one per strike
};

}  // namespace talvora
