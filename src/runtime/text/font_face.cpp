#include "runtime/text/font_face.h"

#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>
#include <utility>

#include "runtime/text/embedded_bitmaps.h"
#include "runtime/text/sfnt_tables.h"

namespace talvora {
namespace {

// How far (as a share of the em) a bitmap strike may be from the size asked
// for and still serve it; farther off, another face serves better.
constexpr int kStrikeToleranceDivisor = 4;

// The antialiasing rasterizer's flatness: curves become lines that stray at
// most this far (in pixels) from the curve.
constexpr float kFlatness = 0.35f;

int Round(double value) { return static_cast<int>(std::lround(value)); }

// Fonts converted from bitmap fonts may keep an outline or two (a missing-
// glyph box); they are outline fonts only when most glyphs have outlines.
bool MostlyOutlines(const stbtt_fontinfo& info) {
  int outlines = 0;
  for (int glyph = 0; glyph < info.numGlyphs; ++glyph) {
    if (!stbtt_IsGlyphEmpty(&info, glyph)) ++outlines;
  }
  return outlines * 2 > info.numGlyphs;
}

// The shape's points with x moved right by slope times the height.
void Shear(std::span<stbtt_vertex> shape, double slope) {
  const auto moved = [slope](stbtt_vertex_type x, stbtt_vertex_type y) {
    return static_cast<stbtt_vertex_type>(x + Round(slope * y));
  };
  for (stbtt_vertex& v : shape) {
    v.x = moved(v.x, v.y);
    v.cx = moved(v.cx, v.cy);
    v.cx1 = moved(v.cx1, v.cy1);
  }
}

struct Box {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
};

// The box around the shape's points and control points, in font units.
Box BoundsOf(std::span<const stbtt_vertex> shape) {
  Box box{shape.front().x, shape.front().y, shape.front().x, shape.front().y};
  const auto take = [&box](int x, int y) {
    box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x), std::max(box.y1, y)};
  };
  for (const stbtt_vertex& v : shape) {
    take(v.x, v.y);
    if (v.type == STBTT_vcurve || v.type == STBTT_vcubic) take(v.cx, v.cy);
    if (v.type == STBTT_vcubic) take(v.cx1, v.cy1);
  }
  return box;
}

}  // namespace

struct FontFace::Impl {
  std::vector<std::uint8_t> bytes;
  stbtt_fontinfo info{};
  EmbeddedBitmaps bitmaps;
  bool hasOutlines = false;
  int unitsPerEm = 0;
  int ascent = 0;
  int descent = 0;  // negative, as the font stores it
  int lineGap = 0;
  std::optional<UnderlineMetrics> underline;

  double Scale(int emPixels) const { return static_cast<double>(emPixels) / unitsPerEm; }
  std::size_t NearestStrike(int emPixels) const;
  int Advance(int glyph, double scale) const;
  GlyphImage Outline(int glyph, double scale, double slope) const;
  GlyphImage Bitmap(int glyph, int emPixels) const;
};

std::size_t FontFace::Impl::NearestStrike(int emPixels) const {
  const auto& strikes = bitmaps.Strikes();
  std::size_t best = 0;
  for (std::size_t i = 1; i < strikes.size(); ++i) {
    const int distance = std::abs(strikes[i].ascent - emPixels);
    const int bestDistance = std::abs(strikes[best].ascent - emPixels);
    if (distance < bestDistance ||
        (distance == bestDistance && strikes[i].ascent < strikes[best].ascent)) {
      best = i;
    }
  }
  return best;
}

int FontFace::Impl::Advance(int glyph, double scale) const {
  int advance = 0;
  int leftBearing = 0;
  stbtt_GetGlyphHMetrics(&info, glyph, &advance, &leftBearing);
  return Round(advance * scale);
}

GlyphImage FontFace::Impl::Outline(int glyph, double scale, double slope) const {
  GlyphImage out;
  out.advance = Advance(glyph, scale);
  stbtt_vertex* points = nullptr;
  const int count = stbtt_GetGlyphShape(&info, glyph, &points);
  const auto release = [this](stbtt_vertex* p) { stbtt_FreeShape(&info, p); };
  const std::unique_ptr<stbtt_vertex, decltype(release)> owned(points, release);
  if (count <= 0) return out;
  const std::span<stbtt_vertex> shape(points, static_cast<std::size_t>(count));
  if (slope != 0) Shear(shape, slope);

  const Box box = BoundsOf(shape);
  out.left = static_cast<int>(std::floor(box.x0 * scale));
  out.top = static_cast<int>(std::floor(-box.y1 * scale));
  out.width = static_cast<int>(std::ceil(box.x1 * scale)) - out.left;
  out.height = static_cast<int>(std::ceil(-box.y0 * scale)) - out.top;
  if (out.width <= 0 || out.height <= 0) return GlyphImage{0, 0, 0, 0, out.advance, {}};
  out.coverage.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height),
                      0);
  stbtt__bitmap target{out.width, out.height, out.width, out.coverage.data()};
  const auto s = static_cast<float>(scale);
  stbtt_Rasterize(&target, kFlatness, points, count, s, s, 0, 0, out.left, out.top, 1, nullptr);
  return out;
}

GlyphImage FontFace::Impl::Bitmap(int glyph, int emPixels) const {
  const std::size_t strike = NearestStrike(emPixels);
  if (auto image = bitmaps.Glyph(strike, static_cast<std::uint16_t>(glyph))) return *image;
  // No image (a blank): the advance, in the strike's own em.
  GlyphImage blank;
  blank.advance = Advance(glyph, Scale(bitmaps.Strikes()[strike].ppem));
  return blank;
}

FontFace::FontFace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
FontFace::FontFace(FontFace&&) noexcept = default;
FontFace& FontFace::operator=(FontFace&&) noexcept = default;
FontFace::~FontFace() = default;

std::optional<FontFace> FontFace::FromBytes(std::vector<std::uint8_t> bytes) {
  auto impl = std::make_unique<Impl>();
  impl->bytes = std::move(bytes);
  const BigEndianBytes font(impl->bytes);
  if (!HasCoreSfntTables(font)) return std::nullopt;
  if (FindSfntTable(font, "glyf") && !FindSfntTable(font, "loca")) return std::nullopt;
  if (stbtt_InitFont(&impl->info, impl->bytes.data(), 0) == 0) return std::nullopt;

  impl->unitsPerEm = FindSfntTable(font, "head")->U16(18);
  if (impl->unitsPerEm == 0) return std::nullopt;
  impl->bitmaps = EmbeddedBitmaps::Read(font);
  impl->hasOutlines = impl->bitmaps.Strikes().empty() || MostlyOutlines(impl->info);
  stbtt_GetFontVMetrics(&impl->info, &impl->ascent, &impl->descent, &impl->lineGap);
  impl->underline = SfntUnderline(font, -impl->descent);
  return FontFace(std::move(impl));
}

bool FontFace::HasOutlines() const { return impl_->hasOutlines; }

bool FontFace::Serves(int emPixels) const {
  if (impl_->hasOutlines) return true;
  const BitmapStrike& strike = impl_->bitmaps.Strikes()[impl_->NearestStrike(emPixels)];
  return std::abs(strike.ascent - emPixels) * kStrikeToleranceDivisor <= emPixels;
}

FaceMetrics FontFace::Metrics(int emPixels) const {
  FaceMetrics m;
  const double scale = impl_->Scale(emPixels);
  if (impl_->hasOutlines) {
    m.ascent = Round(impl_->ascent * scale);
    m.descent = Round(-impl_->descent * scale);
    m.lineHeight = std::max(Round((impl_->ascent - impl_->descent + impl_->lineGap) * scale),
                            m.ascent + m.descent);
  } else {
    const BitmapStrike& strike = impl_->bitmaps.Strikes()[impl_->NearestStrike(emPixels)];
    m.ascent = strike.ascent;
    m.descent = strike.descent;
    m.lineHeight = strike.ascent + strike.descent;
  }
  if (impl_->underline && impl_->hasOutlines) {
    m.underlineOffset = Round(impl_->underline->offset * scale);
    m.underlineThickness = std::max(1, Round(impl_->underline->thickness * scale));
  } else {
    // Halfway down the descent, about as thick as a stem.
    m.underlineOffset = std::max(1, (m.descent + 1) / 2);
    m.underlineThickness = std::max(1, Round(emPixels / 14.0));
  }
  return m;
}

GlyphImage FontFace::Glyph(char32_t codePoint, int emPixels, bool slanted) const {
  const int glyph = stbtt_FindGlyphIndex(&impl_->info, static_cast<int>(codePoint));
  if (impl_->hasOutlines) {
    return impl_->Outline(glyph, impl_->Scale(emPixels), slanted ? kItalicSlope : 0.0);
  }
  GlyphImage image = impl_->Bitmap(glyph, emPixels);
  return slanted ? Slanted(image, kItalicSlope) : image;
}

}  // namespace talvora
