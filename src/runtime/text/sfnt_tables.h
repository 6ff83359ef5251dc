#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace talvora {

// Big-endian numbers read from a byte range, as font files store them. A
// read that would leave the range gives 0, so that a damaged file reads as
// nonsense rather than past its end; callers check counts with Has().
class BigEndianBytes {
 public:
  BigEndianBytes() = default;
  explicit BigEndianBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Size() const { return bytes_.size(); }
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }

  std::uint8_t U8(std::size_t offset) const;
  std::int8_t I8(std::size_t offset) const;
  std::uint16_t U16(std::size_t offset) const;
  std::int16_t I16(std::size_t offset) const;
  std::uint32_t U32(std::size_t offset) const;

  // The bytes from offset on (count of them, or all), empty when out of range.
  BigEndianBytes From(std::size_t offset) const;
  BigEndianBytes Slice(std::size_t offset, std::size_t count) const;

 private:
  std::span<const std::uint8_t> bytes_;
};

// The table of a TrueType font file with this four-letter tag, when the
// file's table directory names one that lies wholly inside the file.
std::optional<BigEndianBytes> FindSfntTable(const BigEndianBytes& font, std::string_view tag);

// True when the file has the tables every text drawing needs (the character
// map, the header, the horizontal header and metrics), all inside the file.
bool HasCoreSfntTables(const BigEndianBytes& font);

// Where the font places an underline, in font units: the top of the stroke
// below the baseline, and its thickness.
struct UnderlineMetrics {
  int offset = 0;
  int thickness = 0;
};

// The underline the font's 'post' table suggests, when it has one that lies
// below the baseline within the given depth (some bitmap fonts hold nonsense).
std::optional<UnderlineMetrics> SfntUnderline(const BigEndianBytes& font, int unitsBelowBaseline);

}  // namespace talvora
