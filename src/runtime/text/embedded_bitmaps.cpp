#include "runtime/text/embedded_bitmaps.h"

namespace talvora {
namespace {

constexpr std::size_t kStrikeRecordsStart = 8;
constexpr std::size_t kStrikeRecordSize = 48;
constexpr std::size_t kSmallMetricsSize = 5;
constexpr std::size_t kBigMetricsSize = 8;

struct GlyphMetrics {
  int height = 0;
  int width = 0;
  int bearingX = 0;
  int bearingY = 0;
  int advance = 0;
};

// Small and big glyph metrics begin alike; big ones add vertical metrics.
GlyphMetrics ReadMetrics(const BigEndianBytes& bytes, std::size_t at) {
  return {bytes.U8(at), bytes.U8(at + 1), bytes.I8(at + 2), bytes.I8(at + 3), bytes.U8(at + 4)};
}

// Where a glyph's image lies in EBDT, and in which format.
struct ImageLocation {
  std::uint16_t format = 0;
  std::size_t offset = 0;
  std::size_t length = 0;
  GlyphMetrics sharedMetrics;  // for image format 5, which stores none itself
};

std::optional<ImageLocation> Locate(const BigEndianBytes& subtable, std::uint16_t first,
                                    std::uint16_t glyph) {
  const std::uint16_t indexFormat = subtable.U16(0);
  const std::uint16_t imageFormat = subtable.U16(2);
  const std::size_t imageData = subtable.U32(4);
  const std::size_t n = glyph - first;
  ImageLocation at{imageFormat, 0, 0, {}};
  switch (indexFormat) {
    case 1:
    case 3: {
      const std::size_t width = indexFormat == 1 ? 4 : 2;
      const auto offsetAt = [&](std::size_t k) -> std::size_t {
        return width == 4 ? subtable.U32(8 + k * 4) : subtable.U16(8 + k * 2);
      };
      if (!subtable.Has(8, (n + 2) * width)) return std::nullopt;
      const std::size_t begin = offsetAt(n);
      const std::size_t end = offsetAt(n + 1);
      if (end <= begin) return std::nullopt;
      at.offset = imageData + begin;
      at.length = end - begin;
      return at;
    }
    case 2:
      at.length = subtable.U32(8);
      at.offset = imageData + n * at.length;
      at.sharedMetrics = ReadMetrics(subtable, 12);
      return at;
    case 4: {
      const std::size_t glyphs = subtable.U32(8);
      if (!subtable.Has(12, (glyphs + 1) * 4)) return std::nullopt;
      for (std::size_t k = 0; k < glyphs; ++k) {
        if (subtable.U16(12 + k * 4) != glyph) continue;
        const std::size_t begin = subtable.U16(14 + k * 4);
        const std::size_t end = subtable.U16(18 + k * 4);
        if (end <= begin) return std::nullopt;
        at.offset = imageData + begin;
        at.length = end - begin;
        return at;
      }
      return std::nullopt;
    }
    case 5: {
      at.length = subtable.U32(8);
      at.sharedMetrics = ReadMetrics(subtable, 12);
      const std::size_t glyphs = subtable.U32(20);
      if (!subtable.Has(24, glyphs * 2)) return std::nullopt;
      for (std::size_t k = 0; k < glyphs; ++k) {
        if (subtable.U16(24 + k * 2) != glyph) continue;
        at.offset = imageData + k * at.length;
        return at;
      }
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

// Bits are stored most significant first, either as whole bytes per row or
// as one run of bits for the whole glyph.
std::optional<GlyphImage> Unpack(const BigEndianBytes& bits, const GlyphMetrics& m,
                                 bool byteAligned) {
  const auto width = static_cast<std::size_t>(m.width);
  const auto height = static_cast<std::size_t>(m.height);
  const std::size_t rowBits = byteAligned ? (width + 7) / 8 * 8 : width;
  if (!bits.Has(0, (rowBits * height + 7) / 8)) return std::nullopt;
  GlyphImage glyph{m.bearingX, -m.bearingY, m.width, m.height, m.advance, {}};
  glyph.coverage.reserve(width * height);
  for (std::size_t y = 0; y < height; ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      const std::size_t bit = y * rowBits + x;
      const bool set = ((bits.U8(bit / 8) >> (7 - bit % 8)) & 1) != 0;
      glyph.coverage.push_back(set ? 255 : 0);
    }
  }
  return glyph;
}

std::optional<GlyphImage> Decode(const BigEndianBytes& image, const ImageLocation& at) {
  switch (at.format) {
    case 1:
      return Unpack(image.From(kSmallMetricsSize), ReadMetrics(image, 0), true);
    case 2:
      return Unpack(image.From(kSmallMetricsSize), ReadMetrics(image, 0), false);
    case 5:
      return Unpack(image, at.sharedMetrics, false);
    case 6:
      return Unpack(image.From(kBigMetricsSize), ReadMetrics(image, 0), true);
    case 7:
      return Unpack(image.From(kBigMetricsSize), ReadMetrics(image, 0), false);
    default:
      return std::nullopt;  // composite glyphs are not used by the fonts drawn here
  }
}

}  // namespace

EmbeddedBitmaps EmbeddedBitmaps::Read(const BigEndianBytes& font) {
  EmbeddedBitmaps out;
  const auto locations = FindSfntTable(font, "EBLC");
  const auto images = FindSfntTable(font, "EBDT");
  if (!locations || !images) return out;
  out.locations_ = *locations;
  out.images_ = *images;
  const std::size_t count = locations->U32(4);
  if (!locations->Has(kStrikeRecordsStart, count * kStrikeRecordSize)) return out;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t record = kStrikeRecordsStart + i * kStrikeRecordSize;
    constexpr std::size_t kBitDepth = 46;
    if (locations->U8(record + kBitDepth) != 1) continue;
    out.strikes_.push_back(
        {locations->U8(record + 45), locations->I8(record + 16), -locations->I8(record + 17)});
    out.strikeRecords_.push_back(record);
  }
  return out;
}

std::optional<GlyphImage> EmbeddedBitmaps::Glyph(std::size_t strike, std::uint16_t glyph) const {
  if (strike >= strikeRecords_.size()) return std::nullopt;
  const std::size_t record = strikeRecords_[strike];
  const std::size_t array = locations_.U32(record);
  const std::size_t subtables = locations_.U32(record + 8);
  if (!locations_.Has(array, subtables * 8)) return std::nullopt;
  for (std::size_t i = 0; i < subtables; ++i) {
    const std::size_t entry = array + i * 8;
    const std::uint16_t first = locations_.U16(entry);
    const std::uint16_t last = locations_.U16(entry + 2);
    if (glyph < first || glyph > last) continue;
    return FromSubtable(locations_.From(array + locations_.U32(entry + 4)), first, glyph);
  }
  return std::nullopt;
}

std::optional<GlyphImage> EmbeddedBitmaps::FromSubtable(const BigEndianBytes& subtable,
                                                        std::uint16_t first,
                                                        std::uint16_t glyph) const {
  const auto at = Locate(subtable, first, glyph);
  if (!at || !images_.Has(at->offset, at->length)) return std::nullopt;
  return Decode(images_.Slice(at->offset, at->length), *at);
}

}  // namespace talvora
