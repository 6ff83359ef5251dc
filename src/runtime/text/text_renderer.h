#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/font_files.h"
#include "runtime/text/font_face.h"
#include "runtime/text/glyph_image.h"
#include "runtime/text/text_style.h"

namespace talvora {

// The font chosen for a FontSpec: a loaded face at an em size, with the styles the
// face lacks to be simulated.
struct FontHandle {
  std::size_t face = 0;
  int emPixels = 0;
  bool emboldened = false;
  bool slanted = false;
  FaceMetrics metrics;
};

// What the caches of a renderer have done so far.
struct TextCacheStats {
  int fontFilesRead = 0;
  int glyphsRasterized = 0;
};

// Turns the fonts labels ask for into glyph images, and keeps what it made: each font file
// is read once, each glyph of a face at a size rasterized once, so that
// drawing the same label again allocates nothing. One renderer serves all the
// labels of a program; its owner keeps the font files alive beside it.
class TextRenderer {
 public:
  explicit TextRenderer(const FontFiles& fontFiles);
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  // The font to draw with: the family's face in the style asked for, else a
  // face of the family with the missing styles simulated, else the same from
  // Arial; nullopt when no font file serves.
  std::optional<FontHandle> Resolve(const FontSpec& wanted);

  const GlyphImage& Glyph(const FontHandle& font, char32_t codePoint);

  TextCacheStats Stats() const { return stats_; }

 private:
  struct Resolved {
    FontSpec wanted;
    std::optional<FontHandle> font;
  };
  struct LoadedFile {
    std::string path;
    std::optional<FontFace> face;  // nullopt when the file is no usable font
  };

  std::optional<FontHandle> Choose(const FontSpec& wanted);
  std::optional<std::size_t> Load(const std::string& path);

  const FontFiles& fontFiles_;
  std::vector<Resolved> resolved_;
  std::vector<LoadedFile> files_;
  std::unordered_map<std::uint64_t, GlyphImage> glyphs_;
  TextCacheStats stats_;
};

}  // namespace talvora
