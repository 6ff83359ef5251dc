#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace talvora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentMark(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

int DigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (const char c : text) {
    if (!IsBlank(c)) kept.push_back(c);
  }
  return kept;
}

// Digits after "&H" or "&O"; accumulated as a real so that no length overflows.
double RadixNumber(std::string_view digits, int radix) {
  double value = 0.0;
  for (const char c : digits) {
    const int digit = DigitValue(c);
    if (digit < 0 || digit >= radix) break;
    value = value * radix + digit;
  }
  return value;
}

// The decimal number at the start of a blank-free text, in the form
// from_chars reads ("1.5e3"), with how many places its magnitude has so that
// an out-of-range result can be told apart as overflow or underflow.
struct DecimalText {
  std::string text;
  long long magnitude = 0;
};

DecimalText ScanDecimal(std::string_view s) {
  DecimalText result;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') result.text.push_back('-');
    ++i;
  }
  bool anyDigit = false;
  bool significant = false;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    result.text.push_back(s[i]);
    anyDigit = true;
    significant = significant || s[i] != '0';
    if (significant) ++result.magnitude;
  }
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    result.text.push_back('.');
    for (++i; i < s.size() && IsDigit(s[i]); ++i) {
      result.text.push_back(s[i]);
      anyDigit = true;
      if (!significant && s[i] == '0') --result.magnitude;
      significant = significant || s[i] != '0';
    }
  }
  if (!anyDigit) return {};
  if (i < s.size() && IsExponentMark(s[i])) {
    std::size_t j = i + 1;
    const bool negative = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      result.text.push_back('e');
      if (negative) result.text.push_back('-');
      long long exponent = 0;
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        result.text.push_back(s[j]);
        if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[j] - '0');
      }
      result.magnitude += negative ? -exponent : exponent;
    }
  }
  return result;
}

double DecimalNumber(std::string_view s) {
  const DecimalText decimal = ScanDecimal(s);
  if (decimal.text.empty()) return 0.0;
  double value = 0.0;
  const char* first = decimal.text.data();
  const char* last = first + decimal.text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range) {
    const bool negative = decimal.text.front() == '-';
    if (decimal.magnitude <= 0) return negative ? -0.0 : 0.0;
    const double huge = std::numeric_limits<double>::infinity();
    return negative ? -huge : huge;
  }
  return end == first ? 0.0 : value;
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double LeadingNumber(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'h' || s[1] == 'H') return RadixNumber(std::string_view(s).substr(2), 16);
    if (s[1] == 'o' || s[1] == 'O') return RadixNumber(std::string_view(s).substr(2), 8);
  }
  return DecimalNumber(s);
}

bool IsNumberText(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  const std::string_view s = text.substr(first, last - first);

  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool anyDigit = false;
  bool point = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      anyDigit = true;
    } else if (s[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return false;
  if (i < s.size() && IsExponentMark(s[i])) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i == s.size() || !IsDigit(s[i])) return false;
    while (i < s.size() && IsDigit(s[i])) ++i;
  }
  return i == s.size();
}

}  // namespace talvora
