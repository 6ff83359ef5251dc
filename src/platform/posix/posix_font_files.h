#pragma once

#include <string>

#include "platform/font_files.h"

namespace talvora {

// Debian's stand-ins for the Windows fonts: Liberation Sans (Arial's metrics)
// from fonts-liberation, and Wine's MS Sans Serif look-alike from fonts-wine,
// which holds only a regular face.
class PosixFontFiles final : public FontFiles {
 public:
  explicit PosixFontFiles(std::string liberationFolder = "/usr/share/fonts/truetype/liberation",
                          std::string wineFontsFolder = "/usr/share/wine/fonts");

  std::optional<FontFile> Find(std::string_view family, bool bold, bool italic) const override;

 private:
  std::string liberationFolder_;
  std::string wineFontsFolder_;
};

}  // namespace talvora
