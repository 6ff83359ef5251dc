#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace talvora {

// Texts are UTF-8 inside the program and in the Windows ANSI code page 1252
// where they meet Windows (registry values, profile files, window texts).
// The five bytes 1252 leaves undefined map to the C1 controls of the same
// number, as Windows maps them, so every byte string survives a round trip.

bool IsValidUtf8(std::string_view text);

// True when the text holds a byte of 0x80 or above.
bool HasNonAscii(std::string_view text);

std::string AnsiToUtf8(std::string_view ansi);

// Characters that 1252 cannot hold, and bytes that are not valid UTF-8,
// become "?".
std::string Utf8ToAnsi(std::string_view utf8);

// The same conversions into the caller's storage, reused from call to call.
// The source must not lie in the destination.
void AnsiToUtf8(std::string_view ansi, std::string& utf8);
void Utf8ToAnsi(std::string_view utf8, std::string& ansi);

// One character of a UTF-8 text: its code point and how many bytes it takes.
struct Utf8Char {
  char32_t codePoint = 0;
  std::size_t length = 0;
};

// The character that starts at byte offset at (which must lie inside the
// text). A byte that does not start a valid UTF-8 character reads as U+FFFD,
// one byte long, so that a reader always moves on.
Utf8Char NextUtf8Char(std::string_view utf8, std::size_t at);

// The longest start of a UTF-8 text of at most maxBytes bytes that does not
// end inside a character.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxBytes);

}  // namespace talvora
