#include "runtime/text/glyph_image.h"

#include <algorithm>
#include <cmath>

namespace talvora {
namespace {

std::size_t Offset(int x, int y, int width) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x);
}

GlyphImage Blank(const GlyphImage& like, int left, int width) {
  GlyphImage out{left, like.top, width, like.height, like.advance, {}};
  out.coverage.assign(Offset(0, like.height, width), 0);
  return out;
}

// Pixels the row at y (from the glyph's top) moves right.
int RowShift(const GlyphImage& glyph, int y, double slope) {
  const int heightAboveBaseline = -(glyph.top + y) - 1;
  return static_cast<int>(std::floor((heightAboveBaseline + 0.5) * slope));
}

}  // namespace

std::uint8_t GlyphImage::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  return coverage[Offset(x, y, width)];
}

GlyphImage Emboldened(const GlyphImage& glyph) {
  GlyphImage out = Blank(glyph, glyph.left, glyph.width + 1);
  out.advance = glyph.advance + 1;
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      out.coverage[Offset(x, y, out.width)] = std::max(glyph.At(x, y), glyph.At(x - 1, y));
    }
  }
  return out;
}

GlyphImage Slanted(const GlyphImage& glyph, double slope) {
  if (glyph.height == 0) return glyph;
  const int topShift = RowShift(glyph, 0, slope);
  const int bottomShift = RowShift(glyph, glyph.height - 1, slope);
  GlyphImage out = Blank(glyph, glyph.left + bottomShift, glyph.width + topShift - bottomShift);
  for (int y = 0; y < glyph.height; ++y) {
    const int shift = RowShift(glyph, y, slope) - bottomShift;
    for (int x = 0; x < glyph.width; ++x) {
      out.coverage[Offset(x + shift, y, out.width)] = glyph.At(x, y);
    }
  }
  return out;
}

}  // namespace talvora
