#include "settings/ini_value.h"

#include <cstddef>
#include <cstdint>

#include "common/text_encoding.h"
#include "common/utf8_path.h"
#include "common/whole_file.h"

namespace talvora {
namespace {

// The buffer a value is read into, its terminating NUL included.
constexpr std::size_t kValueBufferSize = 255;

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

// True when the service's texts for this file are UTF-8. A file that starts
// with the UTF-8 signature is decoded by the service itself, which then
// speaks the ANSI code page; a file that cannot be read counts as ANSI.
bool SpeaksUtf8(const std::string& file) {
  const auto bytes = ReadWholeFile(PathFromUtf8(file));
  if (!bytes) return false;
  return !bytes->starts_with(kUtf8Signature) && HasNonAscii(*bytes) && IsValidUtf8(*bytes);
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CharacterLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0xC0) return 1;
  if (byte < 0xE0) return 2;
  return byte < 0xF0 ? 3 : 4;
}

// The service cuts a value at a byte count; a character cut in two goes whole.
std::string_view WithoutCutCharacter(std::string_view utf8) {
  std::size_t start = utf8.size();
  while (start > 0 && utf8.size() - start < 3 && IsContinuationByte(utf8[start - 1])) --start;
  if (start == 0) return utf8;
  --start;
  return utf8.size() - start < CharacterLength(utf8[start]) ? utf8.substr(0, start) : utf8;
}

}  // namespace

std::string GetIniValue(const ProfileService& profile, std::string_view section,
                        std::string_view key, std::string_view defaultText,
                        const std::string& file) {
  const bool utf8 = SpeaksUtf8(file);
  const auto inFileEncoding = [utf8](std::string_view text) {
    return utf8 ? std::string(text) : Utf8ToAnsi(text);
  };
  const std::string copied = profile.GetString(inFileEncoding(section), inFileEncoding(key),
                                               inFileEncoding(defaultText), kValueBufferSize, file);
  // The service's count is taken as a 16-bit number.
  const auto count = static_cast<std::uint16_t>(copied.size());
  if (count == 0) return {};
  const std::string_view value = std::string_view(copied).substr(0, count);
  return utf8 ? std::string(WithoutCutCharacter(value)) : AnsiToUtf8(value);
}

}  // namespace talvora
