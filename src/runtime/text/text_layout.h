#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace talvora {

// How far the pen moves on for each character, as a font sets it.
class Advances {
 public:
  virtual ~Advances() = default;
  virtual int Of(char32_t codePoint) = 0;
};

// One line of a laid-out text: the bytes of the UTF-8 text it shows and
// their width in pixels.
struct TextLine {
  std::size_t begin = 0;
  std::size_t end = 0;
  int width = 0;

  friend bool operator==(const TextLine&, const TextLine&) = default;
};

// Splits a text into lines as a Windows label does. A line ends at a line
// break (CR LF, LF or CR). With a wrap width, a line also ends before a word
// that would cross it; the blanks where it wraps are not shown and take no
// width. A word wider than the whole width breaks before the first character
// that crosses it. Blanks never wrap by themselves. Every text, even an empty
// one, has at least one line. The lines come one at a time, so that laying
// out a label needs no memory of its own.
class LineBreaker {
 public:
  LineBreaker(std::string_view utf8, std::optional<int> wrapWidth, Advances& advances);

  std::optional<TextLine> Next();

 private:
  std::string_view text_;
  std::optional<int> wrapWidth_;
  Advances& advances_;
  std::size_t next_ = 0;
  bool done_ = false;
};

}  // namespace talvora
