#include "runtime/text/label_text.h"

#include <algorithm>

#include "common/text_encoding.h"
#include "runtime/text/text_layout.h"

namespace talvora {
namespace {

class FontAdvances final : public Advances {
 public:
  FontAdvances(TextRenderer& renderer, const FontHandle& font) : renderer_(renderer), font_(font) {}
  int Of(char32_t codePoint) override { return renderer_.Glyph(font_, codePoint).advance; }

 private:
  TextRenderer& renderer_;
  const FontHandle& font_;
};

std::uint8_t Mix(std::uint8_t under, std::uint8_t over, std::uint8_t coverage) {
  return static_cast<std::uint8_t>((under * (255 - coverage) + over * coverage + 127) / 255);
}

Pixel Blend(Pixel under, Pixel over, std::uint8_t coverage) {
  return Rgb(Mix(RedOf(under), RedOf(over), coverage), Mix(GreenOf(under), GreenOf(over), coverage),
             Mix(BlueOf(under), BlueOf(over), coverage));
}

// Where a line starts, the way Windows aligns text in a rectangle.
int LineLeft(const PixelRect& label, int lineWidth, TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::kLeft:
      return label.left;
    case TextAlignment::kRight:
      return label.Right() - lineWidth;
    case TextAlignment::kCenter:
      return (label.left + label.Right() - lineWidth) / 2;
  }
  return label.left;
}

// Everything a line of a label is drawn with.
struct Pen {
  Surface& target;
  const PixelRect& clip;
  Pixel color;
};

void DrawGlyph(const Pen& pen, const GlyphImage& glyph, int x, int baseline) {
  const PixelRect box{x + glyph.left, baseline + glyph.top, glyph.width, glyph.height};
  const PixelRect visible = Intersection(box, pen.clip);
  for (int y = visible.top; y < visible.Bottom(); ++y) {
    for (int px = visible.left; px < visible.Right(); ++px) {
      const std::uint8_t coverage = glyph.At(px - box.left, y - box.top);
      if (coverage == 0) continue;
      Pixel& pixel = pen.target.At(px, y);
      pixel = Blend(pixel, pen.color, coverage);
    }
  }
}

void DrawLine(const Pen& pen, std::string_view utf8, const TextLine& line, int left, int baseline,
              TextRenderer& renderer, const FontHandle& font) {
  int x = left;
  for (std::size_t at = line.begin; at < line.end;) {
    const Utf8Char c = NextUtf8Char(utf8, at);
    const GlyphImage& glyph = renderer.Glyph(font, c.codePoint);
    DrawGlyph(pen, glyph, x, baseline);
    x += glyph.advance;
    at += c.length;
  }
}

void DrawUnderline(const Pen& pen, int left, int width, int baseline, const FaceMetrics& m) {
  const PixelRect stroke{left, baseline + m.underlineOffset, width, m.underlineThickness};
  pen.target.FillRect(Intersection(stroke, pen.clip), pen.color);
}

}  // namespace

bool DrawLabelText(Surface& target, const PixelRect& label, std::string_view utf8,
                   const FontSpec& font, Pixel color, TextAlignment alignment,
                   TextRenderer& renderer, std::optional<PixelRect> within) {
  const auto chosen = renderer.Resolve(font);
  if (!chosen) return false;
  const PixelRect clip = Intersection(Intersection(label, target.Bounds()), within.value_or(label));
  if (clip.Empty()) return true;
  const Pen pen{target, clip, color};
  FontAdvances advances(renderer, *chosen);
  LineBreaker lines(utf8, label.width, advances);
  for (int top = label.top; top < clip.Bottom(); top += chosen->metrics.lineHeight) {
    const auto line = lines.Next();
    if (!line) break;
    const int left = LineLeft(label, line->width, alignment);
    const int baseline = top + chosen->metrics.ascent;
    DrawLine(pen, utf8, *line, left, baseline, renderer, *chosen);
    if (font.underline) DrawUnderline(pen, left, line->width, baseline, chosen->metrics);
  }
  return true;
}

std::optional<TextExtent> MeasureText(std::string_view utf8, const FontSpec& font,
                                      TextRenderer& renderer, std::optional<int> wrapWidth) {
  const auto chosen = renderer.Resolve(font);
  if (!chosen) return std::nullopt;
  FontAdvances advances(renderer, *chosen);
  LineBreaker lines(utf8, wrapWidth, advances);
  TextExtent extent;
  while (const auto line = lines.Next()) {
    extent.width = std::max(extent.width, line->width);
    extent.height += chosen->metrics.lineHeight;
  }
  return extent;
}

}  // namespace talvora
