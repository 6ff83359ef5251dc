#pragma once

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

// The longest start of a UTF-8 text of at most maxBytes bytes that does not
// end inside a character.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxBytes);

}  // namespace talvora
