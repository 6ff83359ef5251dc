#pragma once

#include <string>

#include "platform/font_files.h"

namespace talvora {

// A font as a form names it.
struct FontSpec {
  std::string family{kArialFamily};
  double pointSize = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class TextAlignment { kLeft, kRight, kCenter };

// The em height in pixels of a font of this size on a 96 DPI screen, rounded
// as Windows rounds a font's height; at least one pixel.
int EmPixels(double pointSize);

}  // namespace talvora
