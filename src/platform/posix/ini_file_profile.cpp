#include "platform/posix/ini_file_profile.h"

#include <algorithm>
#include <optional>

#include "common/text_encoding.h"
#include "common/whole_file.h"

namespace talvora {
namespace {

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

// Ctrl-Z, the old end-of-file mark, counts as a blank too.
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Texts end at their first NUL, as the C strings of the Windows service do.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

// The file's text in the ANSI code page, in `bytes` or in `decoded`; nullopt
// when it cannot be opened.
std::optional<std::string_view> ReadProfile(const std::filesystem::path& file, std::string& bytes,
                                            std::string& decoded) {
  if (!ReadWholeFile(file, bytes)) return std::nullopt;
  if (!bytes.starts_with(kUtf8Signature)) return bytes;
  Utf8ToAnsi(std::string_view(bytes).substr(kUtf8Signature.size()), decoded);
  return decoded;
}

// The name of a section header line, nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  if (!line.starts_with('[')) return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return UpToNul(Trim(line.substr(1, close - 1)));
}

struct Entry {
  std::string_view name;
  std::optional<std::string_view> value;  // nullopt for a line without "="
};

Entry ParseEntry(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {UpToNul(line), std::nullopt};
  return {UpToNul(Trim(line.substr(0, equals))), UpToNul(Trim(line.substr(equals + 1)))};
}

// The value of the first line named key in the first section named section;
// nullopt when there is none or that line has no value.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
  // Lines before the first header form the section with the empty name.
  bool inSection = section.empty();
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty()) continue;
    if (const auto name = SectionName(line)) {
      if (inSection) return std::nullopt;
      inSection = SameName(*name, section);
    } else if (inSection) {
      const Entry entry = ParseEntry(line);
      if (SameName(entry.name, key)) return entry.value;
    }
  }
  return std::nullopt;
}

// Trailing spaces of the default go, all but its first character.
std::string_view DefaultValue(std::string_view defaultText) {
  std::string_view text = UpToNul(defaultText);
  while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Copies a value as into a buffer of bufferSize characters, the NUL included.
// Of a value in matching quotes the opening quote is skipped and the closing
// one dropped when the buffer has room for it. When the buffer holds the text
// between the quotes but not the closing one, the Windows service drops the
// last character of that text instead; so do we.
void CopyEntry(std::string_view value, std::size_t bufferSize, std::string& copied) {
  const std::size_t room = bufferSize - 1;
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  if (!quoted) {
    copied.assign(value.substr(0, room));
    return;
  }
  const std::string_view afterQuote = value.substr(1);
  copied.assign(afterQuote.substr(0, room));
  if (bufferSize >= afterQuote.size() && !copied.empty()) copied.pop_back();
}

}  // namespace

void IniFileProfile::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultText, std::size_t bufferSize,
                               const std::filesystem::path& file, std::string& copied) const {
  copied.clear();
  if (bufferSize == 0) return;
  if (const auto text = ReadProfile(file, bytes_, decoded_)) {
    const auto value = FindValue(*text, Trim(UpToNul(section)), Trim(UpToNul(key)));
    if (value) {
      CopyEntry(*value, bufferSize, copied);
      return;
    }
  }
  CopyEntry(DefaultValue(defaultText), bufferSize, copied);
}

}  // namespace talvora
