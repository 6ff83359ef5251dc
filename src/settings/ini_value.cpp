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

// True when the service's texts for a file of these bytes are UTF-8. A file
// that starts with the UTF-8 signature is decoded by the service itself,
// which then speaks the ANSI code page.
bool SpeaksUtf8(std::string_view bytes) {
  return !bytes.starts_with(kUtf8Signature) && HasNonAscii(bytes) && IsValidUtf8(bytes);
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

std::string_view IniValueReader::Read(const ProfileService& profile, std::string_view section,
                                      std::string_view key, std::string_view defaultText,
                                      const std::filesystem::path& file) {
  // A file that cannot be read counts as ANSI.
  foundFile_ = ReadWholeFile(file, bytes_);
  utf8_ = foundFile_ && SpeaksUtf8(bytes_);
  profile.GetString(InFileEncoding(section, section_), InFileEncoding(key, key_),
                    InFileEncoding(defaultText, defaultText_), kValueBufferSize, file, copied_);
  // The service's count is taken as a 16-bit number.
  const auto count = static_cast<std::uint16_t>(copied_.size());
  const std::string_view value = std::string_view(copied_).substr(0, count);
  if (utf8_) return WithoutCutCharacter(value);
  AnsiToUtf8(value, value_);
  return value_;
}

std::string_view IniValueReader::InFileEncoding(std::string_view text,
                                                std::string& storage) const {
  if (utf8_) return text;
  Utf8ToAnsi(text, storage);
  return storage;
}

std::string GetIniValue(const ProfileService& profile, std::string_view section,
                        std::string_view key, std::string_view defaultText,
                        const std::string& file) {
  IniValueReader reader;
  return std::string(reader.Read(profile, section, key, defaultText, PathFromUtf8(file)));
}

}  // namespace talvora
