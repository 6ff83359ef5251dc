#include "runtime/text/text_renderer.h"

#include <fstream>
#include <utility>

namespace talvora {
namespace {

// No font file the system holds comes near this; anything larger is not one.
constexpr std::streamoff kLargestFontFile = 64 << 20;

std::optional<std::vector<std::uint8_t>> ReadFontFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size <= 0 || size > kLargestFontFile) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return bytes;
}

struct Style {
  bool bold = false;
  bool italic = false;
};

// The styles worth trying for a font, best first: never a bold or italic
// face for a font that asks for neither.
std::vector<Style> StylesFor(const FontSpec& wanted) {
  std::vector<Style> styles{{wanted.bold, wanted.italic}};
  if (wanted.bold && wanted.italic) styles.insert(styles.end(), {{true, false}, {false, true}});
  if (wanted.bold || wanted.italic) styles.push_back({false, false});
  return styles;
}

bool SameRequest(const FontSpec& a, const FontSpec& b) {
  return SameFamily(a.family, b.family) && a.pointSize == b.pointSize && a.bold == b.bold &&
         a.italic == b.italic;
}

std::uint64_t GlyphKey(const FontHandle& font, char32_t codePoint) {
  return (std::uint64_t{font.face} << 40) |
         (static_cast<std::uint64_t>(font.emPixels & 0xFFFF) << 24) |
         (std::uint64_t{font.emboldened} << 23) | (std::uint64_t{font.slanted} << 22) |
         (codePoint & 0x3FFFFFu);
}

}  // namespace

TextRenderer::TextRenderer(const FontFiles& fontFiles) : fontFiles_(fontFiles) {}

std::optional<FontHandle> TextRenderer::Resolve(const FontSpec& wanted) {
  for (const Resolved& r : resolved_) {
    if (SameRequest(r.wanted, wanted)) return r.font;
  }
  resolved_.push_back({wanted, Choose(wanted)});
  return resolved_.back().font;
}

const GlyphImage& TextRenderer::Glyph(const FontHandle& font, char32_t codePoint) {
  const std::uint64_t key = GlyphKey(font, codePoint);
  if (const auto found = glyphs_.find(key); found != glyphs_.end()) return found->second;
  ++stats_.glyphsRasterized;
  GlyphImage image = files_[font.face].face->Glyph(codePoint, font.emPixels, font.slanted);
  if (font.emboldened) image = Emboldened(image);
  return glyphs_.emplace(key, std::move(image)).first->second;
}

std::optional<FontHandle> TextRenderer::Choose(const FontSpec& wanted) {
  const int em = EmPixels(wanted.pointSize);
  std::vector<std::string_view> families{wanted.family};
  if (!SameFamily(wanted.family, kArialFamily)) families.push_back(kArialFamily);
  for (const std::string_view family : families) {
    for (const Style style : StylesFor(wanted)) {
      const auto file = fontFiles_.Find(family, style.bold, style.italic);
      if (!file) continue;
      const auto index = Load(file->path);
      if (!index) continue;
      const FontFace& face = *files_[*index].face;
      if (!face.Serves(em)) continue;
      return FontHandle{*index, em, wanted.bold && !file->bold, wanted.italic && !file->italic,
                        face.Metrics(em)};
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> TextRenderer::Load(const std::string& path) {
  std::size_t index = 0;
  while (index < files_.size() && files_[index].path != path) ++index;
  if (index == files_.size()) {
    ++stats_.fontFilesRead;
    auto bytes = ReadFontFile(path);
    files_.push_back({path, bytes ? FontFace::FromBytes(std::move(*bytes)) : std::nullopt});
  }
  if (!files_[index].face) return std::nullopt;
  return index;
}

}  // namespace talvora
