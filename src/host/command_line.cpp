#include "host/command_line.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "common/number_text.h"
#include "common/rounding.h"

namespace talvora {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

StartupMode ModeOfSwitch(std::string_view switchText) {
  static constexpr std::array<std::pair<std::string_view, StartupMode>, 5> kSwitches = {{
      {"", StartupMode::kFullScreen},
      {"/s", StartupMode::kFullScreen},
      {"/p", StartupMode::kPreview},
      {"/c", StartupMode::kSetup},
      {"/a", StartupMode::kPasswordChange},
  }};
  for (const auto& [text, mode] : kSwitches) {
    if (switchText == text) return mode;
  }
  return StartupMode::kNone;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentMark(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// Where the longest run of digits with at most one "." that ends at `end` starts; npos when that
// run holds no digit.
std::size_t MantissaStart(std::string_view text, std::size_t end) {
  std::size_t start = end;
  bool point = false;
  bool digit = false;
  for (; start > 0; --start) {
    const char c = text[start - 1];
    if (IsDigit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return digit ? start : std::string_view::npos;
}

// The start moved back over a sign in front of it.
std::size_t WithSign(std::string_view text, std::size_t start) {
  return start > 0 && (text[start - 1] == '+' || text[start - 1] == '-') ? start - 1 : start;
}

// Where the longest tail of the text that is one decimal number (as IsNumberText reads it, blanks
// aside) starts; npos when no tail is. Read from the end, so a long command line costs no more
// than one pass.
std::size_t NumberTailStart(std::string_view text) {
  std::size_t exponent = text.size();
  while (exponent > 0 && IsDigit(text[exponent - 1])) --exponent;
  if (exponent < text.size()) {
    const std::size_t mark = WithSign(text, exponent);
    if (mark > 0 && IsExponentMark(text[mark - 1])) {
      const std::size_t mantissa = MantissaStart(text, mark - 1);
      if (mantissa != std::string_view::npos) return WithSign(text, mantissa);
    }
  }
  const std::size_t mantissa = MantissaStart(text, text.size());
  return mantissa == std::string_view::npos ? mantissa : WithSign(text, mantissa);
}

// The longest tail of the text that is a number, blanks in front of it
// included, gives the handle: "/p 1234" and "/p:1234" both give 1234.
// Blanks count for nothing in a number, so the tail is taken without them.
std::int32_t PreviewHandle(std::string_view text) {
  text = TrimBlanks(text);
  const std::size_t start = NumberTailStart(text);
  if (start == std::string_view::npos) return 0;
  return RoundToInt32(LeadingNumber(text.substr(start)));
}

}  // namespace

StartupDecision DecideStartup(std::string_view arguments) {
  const std::string normalized = AsciiLower(TrimBlanks(arguments));
  const StartupMode mode = ModeOfSwitch(std::string_view(normalized).substr(0, 2));
  switch (mode) {
    case StartupMode::kPreview:
      return {mode, PreviewHandle(normalized)};
    case StartupMode::kPasswordChange:
      // Read from the untrimmed text, as received: a blank in front shifts
      // which two characters are dropped. Those two are ASCII whenever the
      // switch is "/a", so bytes and characters agree.
      return {mode, RoundToInt32(LeadingNumber(
                        arguments.substr(std::min<std::size_t>(2, arguments.size()))))};
    default:
      return {mode, 0};
  }
}

std::string_view ProgramArguments(std::string_view commandLine) {
  std::size_t end = 0;
  if (commandLine.starts_with('"')) {
    const std::size_t closing = commandLine.find('"', 1);
    end = closing == std::string_view::npos ? commandLine.size() : closing + 1;
  } else {
    end = std::min(commandLine.find_first_of(" \t"), commandLine.size());
  }
  std::string_view rest = commandLine.substr(end);
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  return rest;
}

}  // namespace talvora
