#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/text/glyph_image.h"

namespace talvora {

// A font's vertical metrics at one size, in pixels.
struct FaceMetrics {
  int ascent = 0;           // baseline below the top of a line
  int descent = 0;          // below the baseline
  int lineHeight = 0;       // from one line's top to the next
  int underlineOffset = 0;  // top of the underline below the baseline
  int underlineThickness = 1;

  friend bool operator==(const FaceMetrics&, const FaceMetrics&) = default;
};

// One face of a TrueType font file: outlines rasterized with antialiasing,
// or, for a face that holds only embedded bitmaps, those bitmaps.
class FontFace {
 public:
  // The face the bytes hold, or nullopt when they are no usable font.
  static std::optional<FontFace> FromBytes(std::vector<std::uint8_t> bytes);

  FontFace(FontFace&&) noexcept;
  FontFace& operator=(FontFace&&) noexcept;
  ~FontFace();

  bool HasOutlines() const;

  // Outlines serve any size; bitmaps only sizes near one of their strikes.
  bool Serves(int emPixels) const;

  FaceMetrics Metrics(int emPixels) const;

  // The glyph of the character (the face's missing-glyph shape when it has
  // none), slanted for a simulated italic when asked.
  GlyphImage Glyph(char32_t codePoint, int emPixels, bool slanted) const;

 private:
  struct Impl;
  explicit FontFace(std::unique_ptr<Impl> impl);

  std::unique_ptr<Impl> impl_;
};

}  // namespace talvora
