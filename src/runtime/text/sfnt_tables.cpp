#include "runtime/text/sfnt_tables.h"

#include <array>

namespace talvora {
namespace {

constexpr std::size_t kDirectoryHeader = 12;
constexpr std::size_t kDirectoryEntry = 16;

}  // namespace

std::uint8_t BigEndianBytes::U8(std::size_t offset) const {
  return Has(offset, 1) ? bytes_[offset] : std::uint8_t{0};
}

std::int8_t BigEndianBytes::I8(std::size_t offset) const {
  return static_cast<std::int8_t>(U8(offset));
}

std::uint16_t BigEndianBytes::U16(std::size_t offset) const {
  if (!Has(offset, 2)) return 0;
  return static_cast<std::uint16_t>((bytes_[offset] << 8) | bytes_[offset + 1]);
}

std::int16_t BigEndianBytes::I16(std::size_t offset) const {
  return static_cast<std::int16_t>(U16(offset));
}

std::uint32_t BigEndianBytes::U32(std::size_t offset) const {
  if (!Has(offset, 4)) return 0;
  return (std::uint32_t{U16(offset)} << 16) | U16(offset + 2);
}

BigEndianBytes BigEndianBytes::From(std::size_t offset) const {
  if (!Has(offset, 0)) return {};
  return BigEndianBytes(bytes_.subspan(offset));
}

BigEndianBytes BigEndianBytes::Slice(std::size_t offset, std::size_t count) const {
  if (!Has(offset, count)) return {};
  return BigEndianBytes(bytes_.subspan(offset, count));
}

std::optional<BigEndianBytes> FindSfntTable(const BigEndianBytes& font, std::string_view tag) {
  if (tag.size() != 4 || !font.Has(0, kDirectoryHeader)) return std::nullopt;
  const std::uint16_t tables = font.U16(4);
  for (std::size_t i = 0; i < tables; ++i) {
    const std::size_t entry = kDirectoryHeader + i * kDirectoryEntry;
    if (!font.Has(entry, kDirectoryEntry)) return std::nullopt;
    bool same = true;
    for (std::size_t k = 0; k < 4; ++k) same = same && font.U8(entry + k) == tag[k];
    if (!same) continue;
    const std::uint32_t offset = font.U32(entry + 8);
    const std::uint32_t length = font.U32(entry + 12);
    if (!font.Has(offset, length)) return std::nullopt;
    return font.Slice(offset, length);
  }
  return std::nullopt;
}

bool HasCoreSfntTables(const BigEndianBytes& font) {
  constexpr std::array<std::string_view, 5> kCore = {"cmap", "head", "hhea", "hmtx", "maxp"};
  for (const std::string_view tag : kCore) {
    if (!FindSfntTable(font, tag)) return false;
  }
  return true;
}

std::optional<UnderlineMetrics> SfntUnderline(const BigEndianBytes& font, int unitsBelowBaseline) {
  const auto post = FindSfntTable(font, "post");
  if (!post || !post->Has(8, 4)) return std::nullopt;
  const int offset = -post->I16(8);
  const int thickness = post->I16(10);
  if (offset < 0 || offset > unitsBelowBaseline || thickness <= 0 ||
      thickness > unitsBelowBaseline) {
    return std::nullopt;
  }
  return UnderlineMetrics{offset, thickness};
}

}  // namespace talvora
