#include "runtime/text/text_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/text_encoding.h"

namespace talvora {
namespace {

// One pixel per character, except a wide W, so widths are easy to follow.
class FixedAdvances final : public Advances {
 public:
  int Of(char32_t c) override { return c == U'W' ? 3 : 1; }
};

int WidthOf(std::string_view utf8) {
  FixedAdvances advances;
  int width = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Char c = NextUtf8Char(utf8, at);
    width += advances.Of(c.codePoint);
    at += c.length;
  }
  return width;
}

struct BreakCase {
  std::string text;
  std::optional<int> wrap;
  std::vector<std::string> lines;

  friend std::ostream& operator<<(std::ostream& out, const BreakCase& c) {
    out << '"' << c.text << "\" wrapped at ";
    return c.wrap ? out << *c.wrap : out << "none";
  }
};

class LineBreakerTest : public testing::TestWithParam<BreakCase> {};

TEST_P(LineBreakerTest, SplitsAsALabelDoes) {
  const BreakCase& c = GetParam();
  FixedAdvances advances;
  LineBreaker breaker(c.text, c.wrap, advances);
  std::vector<std::string> lines;
  while (const auto line = breaker.Next()) {
    const std::string shown = c.text.substr(line->begin, line->end - line->begin);
    EXPECT_EQ(line->width, WidthOf(shown)) << shown;
    lines.push_back(shown);
  }
  EXPECT_EQ(lines, c.lines);
  EXPECT_FALSE(breaker.Next());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineBreakerTest,
    testing::Values(BreakCase{"abc def", std::nullopt, {"abc def"}},
                    BreakCase{"abc def", 7, {"abc def"}}, BreakCase{"abc def", 6, {"abc", "def"}},
                    BreakCase{"ab cd", 4, {"ab", "cd"}},
                    BreakCase{"2 x 1 Escócia", 8, {"2 x 1", "Escócia"}},
                    BreakCase{"abc   def", 4, {"abc", "def"}}, BreakCase{"a b c", 3, {"a b", "c"}},
                    BreakCase{"abc ", 3, {"abc "}}, BreakCase{"abcdefgh", 3, {"abc", "def", "gh"}},
                    BreakCase{"ab cdefgh", 3, {"ab", "cde", "fgh"}},
                    BreakCase{"WWa", 5, {"W", "Wa"}}, BreakCase{"ab", 0, {"a", "b"}},
                    BreakCase{"Créditos", 4, {"Créd", "itos"}},
                    BreakCase{"a\r\nb\nc\rd", std::nullopt, {"a", "b", "c", "d"}},
                    BreakCase{"long line\r\nx", 5, {"long", "line", "x"}}, BreakCase{"", 5, {""}},
                    BreakCase{"a\n", std::nullopt, {"a", ""}}, BreakCase{"\n\n", 5, {"", "", ""}}));

}  // namespace
}  // namespace talvora
