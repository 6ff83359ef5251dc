#include "common/text_encoding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace talvora {
namespace {

// Code points of bytes 0x80 to 0x9F in code page 1252; 0xA0 to 0xFF are the
// Latin-1 code points of the same value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t AnsiToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80u];
  return byte;
}

std::optional<unsigned char> CodePointToAnsi(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
  auto put = [&out](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
  const auto c = static_cast<std::uint32_t>(cp);
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

struct Decoded {
  char32_t codePoint;
  std::size_t length;  // 0 when the bytes at the position are not valid UTF-8
};

// Decodes one UTF-8 character, refusing overlong forms, surrogates and code
// points beyond U+10FFFF.
Decoded DecodeUtf8(std::string_view s, std::size_t at) {
  const auto lead = static_cast<unsigned char>(s[at]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1Fu, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0Fu, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07u, minimum = 0x10000;
  } else {
    return {0, 0};
  }
  if (at + length > s.size()) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(s[at + i]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    cp = (cp << 6) | (next & 0x3Fu);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
  return {cp, length};
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Decoded d = DecodeUtf8(text, at);
    if (d.length == 0) return false;
    at += d.length;
  }
  return true;
}

bool HasNonAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

void AnsiToUtf8(std::string_view ansi, std::string& utf8) {
  utf8.clear();
  for (const char c : ansi) AppendUtf8(utf8, AnsiToCodePoint(static_cast<unsigned char>(c)));
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string utf8;
  utf8.reserve(ansi.size());
  AnsiToUtf8(ansi, utf8);
  return utf8;
}

void Utf8ToAnsi(std::string_view utf8, std::string& ansi) {
  ansi.clear();
  for (std::size_t at = 0; at < utf8.size();) {
    const Decoded d = DecodeUtf8(utf8, at);
    if (d.length == 0) {
      ansi.push_back('?');
      ++at;
      continue;
    }
    const auto byte = CodePointToAnsi(d.codePoint);
    ansi.push_back(byte ? static_cast<char>(*byte) : '?');
    at += d.length;
  }
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string ansi;
  ansi.reserve(utf8.size());
  Utf8ToAnsi(utf8, ansi);
  return ansi;
}

Utf8Char NextUtf8Char(std::string_view utf8, std::size_t at) {
  const Decoded d = DecodeUtf8(utf8, at);
  if (d.length == 0) return {0xFFFD, 1};
  return {d.codePoint, d.length};
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxBytes) {
  if (utf8.size() <= maxBytes) return utf8;
  std::size_t end = maxBytes;
  // Step back over continuation bytes to the start of the cut character.
  while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
  return utf8.substr(0, end);
}

}  // namespace talvora
