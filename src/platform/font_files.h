#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace talvora {

// The font families the forms use. Any other family is drawn with Arial.
inline constexpr std::string_view kArialFamily = "Arial";
inline constexpr std::string_view kMsSansSerifFamily = "MS Sans Serif";

// True when two family names are equal without regard to ASCII case.
bool SameFamily(std::string_view a, std::string_view b);

// A font file and the style of the face it holds, so that a caller can
// simulate what the face lacks (bold, italic).
struct FontFile {
  std::string path;
  bool bold = false;
  bool italic = false;

  friend bool operator==(const FontFile&, const FontFile&) = default;
};

// Where the system keeps its font files.
class FontFiles {
 public:
  virtual ~FontFiles() = default;

  // An existing file holding the family's face in exactly this style, or
  // nullopt when the system has none. Families match without regard to case.
  virtual std::optional<FontFile> Find(std::string_view family, bool bold, bool italic) const = 0;
};

// The font files of the system the program runs on.
std::unique_ptr<FontFiles> MakeSystemFontFiles();

}  // namespace talvora
