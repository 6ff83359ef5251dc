#pragma once

#include <string_view>

namespace talvora {

// The blanks that number reading skips: space, tab and line feed.
bool IsBlank(char c);

// The value of the number at the start of a text. Blanks are skipped wherever
// they stand; then an optional sign, digits, an optional "." with digits and an
// optional exponent (E or D) are read up to the first character that cannot
// continue the number. "&H" and "&O" read hexadecimal and octal digits. A text
// without a leading number gives 0. The result may be infinite for a text such
// as "1e999"; RoundToInteger saturates it.
double LeadingNumber(std::string_view text);

// True when the whole text, blanks around it allowed, is one decimal number:
// an optional sign, at least one digit with at most one decimal point, and an
// optional exponent.
bool IsNumberText(std::string_view text);

}  // namespace talvora
