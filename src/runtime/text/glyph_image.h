#pragma once

#include <cstdint>
#include <vector>

namespace talvora {

// How far a simulated italic leans: pixels to the right per pixel of height.
inline constexpr double kItalicSlope = 0.21;

// A glyph as coverage (0 to 255), placed relative to the pen on the baseline:
// its first column lies `left` pixels right of the pen, its first row `top`
// pixels below the baseline (negative above it).
struct GlyphImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int advance = 0;                     // how far the pen moves on
  std::vector<std::uint8_t> coverage;  // width * height, row by row

  std::uint8_t At(int x, int y) const;
  friend bool operator==(const GlyphImage&, const GlyphImage&) = default;
};

// The glyph drawn twice, the second time one pixel further right, as Windows
// makes a bold face from a regular one: one pixel wider, and so is its advance.
GlyphImage Emboldened(const GlyphImage& glyph);

// The glyph with each row shifted right by whole pixels in proportion to its
// height above the baseline, as Windows slants a bitmap face for italic.
GlyphImage Slanted(const GlyphImage& glyph, double slope);

}  // namespace talvora
