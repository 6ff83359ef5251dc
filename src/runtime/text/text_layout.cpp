#include "runtime/text/text_layout.h"

#include "common/text_encoding.h"

namespace talvora {
namespace {

constexpr char32_t kBlank = U' ';

bool IsLineBreak(char32_t c) { return c == U'\n' || c == U'\r'; }

}  // namespace

LineBreaker::LineBreaker(std::string_view utf8, std::optional<int> wrapWidth, Advances& advances)
    : text_(utf8), wrapWidth_(wrapWidth), advances_(advances) {}

std::optional<TextLine> LineBreaker::Next() {
  if (done_) return std::nullopt;
  const std::size_t begin = next_;
  int width = 0;
  // The last place the line could wrap: the end of a word before a run of
  // blanks, and where the next line would start, after those blanks.
  std::optional<TextLine> wrap;
  std::size_t afterBlanks = begin;
  bool inBlanks = false;
  bool sawWord = false;

  for (std::size_t at = begin; at < text_.size();) {
    const Utf8Char c = NextUtf8Char(text_, at);
    if (IsLineBreak(c.codePoint)) {
      next_ = at + 1;
      if (c.codePoint == U'\r' && next_ < text_.size() && text_[next_] == '\n') ++next_;
      return TextLine{begin, at, width};
    }
    const int advance = advances_.Of(c.codePoint);
    if (c.codePoint == kBlank) {
      if (!inBlanks && sawWord) wrap = TextLine{begin, at, width};
      inBlanks = true;
      width += advance;
      at += c.length;
      afterBlanks = at;
      continue;
    }
    inBlanks = false;
    if (wrapWidth_ && at > begin && width + advance > *wrapWidth_) {
      next_ = wrap ? afterBlanks : at;
      return wrap ? *wrap : TextLine{begin, at, width};
    }
    sawWord = true;
    width += advance;
    at += c.length;
  }
  done_ = true;
  return TextLine{begin, text_.size(), width};
}

}  // namespace talvora
