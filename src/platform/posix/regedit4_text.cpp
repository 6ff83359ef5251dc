#include "platform/posix/regedit4_text.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/text_encoding.h"

namespace talvora {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kHexDigits = "0123456789abcdef";
// Hex lists are wrapped, as the registry editor wraps them, near this column.
constexpr std::size_t kWrapColumn = 76;

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Removes prefix from the start of text when it is there, without regard to case.
bool Consume(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size() || !SameRegistryName(text.substr(0, prefix.size()), prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

std::optional<std::uint32_t> HexNumber(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  std::uint32_t number = 0;
  for (const char c : digits) {
    const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
    const auto digit = kHexDigits.find(lower);
    if (digit == std::string_view::npos) return std::nullopt;
    number = number * 16 + static_cast<std::uint32_t>(digit);
  }
  return number;
}

// A quoted text at the start of text, with its \\ and \" escapes undone;
// text is left after the closing quote.
std::optional<std::string> TakeQuoted(std::string_view& text) {
  if (!Consume(text, "\"")) return std::nullopt;
  std::string unquoted;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '"') {
      text.remove_prefix(at + 1);
      return unquoted;
    }
    if (c == '\\') {
      if (++at == text.size() || (text[at] != '\\' && text[at] != '"')) return std::nullopt;
    }
    unquoted.push_back(text[at]);
  }
  return std::nullopt;
}

// "01,02,ff" as bytes; an empty list is no bytes.
std::optional<std::string> HexBytes(std::string_view list) {
  std::string bytes;
  if (Trim(list).empty()) return bytes;
  while (true) {
    const auto comma = list.find(',');
    const std::string_view item = Trim(list.substr(0, comma));
    const auto byte = item.size() == 2 ? HexNumber(item, 2) : std::nullopt;
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<char>(*byte));
    if (comma == std::string_view::npos) return bytes;
    list.remove_prefix(comma + 1);
  }
}

std::string DwordBytes(std::uint32_t number) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(number >> shift));
  return bytes;
}

// The value a line gives after its "=", other than a deletion.
std::optional<RegistryValue> ParseData(std::string_view data) {
  if (data.starts_with('"')) {
    auto text = TakeQuoted(data);
    if (!text || !data.empty()) return std::nullopt;
    return RegistryValue{kRegSz, std::move(*text)};
  }
  if (Consume(data, "dword:")) {
    const auto number = HexNumber(data, 8);
    if (!number) return std::nullopt;
    return RegistryValue{kRegDword, DwordBytes(*number)};
  }
  std::uint32_t type = kRegBinary;
  if (Consume(data, "hex(")) {
    const auto close = data.find(')');
    if (close == std::string_view::npos) return std::nullopt;
    const auto number = HexNumber(data.substr(0, close), 8);
    if (!number) return std::nullopt;
    type = *number;
    data.remove_prefix(close + 1);
    if (!Consume(data, ":")) return std::nullopt;
  } else if (!Consume(data, "hex:")) {
    return std::nullopt;
  }
  auto bytes = HexBytes(data);
  if (!bytes) return std::nullopt;
  return RegistryValue{type, std::move(*bytes)};
}

class Parser {
 public:
  explicit Parser(std::string_view ansi) : lines_(SplitLines(ansi)) {}

  std::optional<RegistryTree> Run() {
    if (lines_.empty() || Trim(lines_[0]) != kHeader) return std::nullopt;
    for (next_ = 1; next_ < lines_.size();) {
      if (!ParseLine(Trim(lines_[next_++]))) return std::nullopt;
    }
    return std::move(tree_);
  }

 private:
  bool ParseLine(std::string_view line) {
    if (line.empty() || line.starts_with(';')) return true;
    if (line.starts_with('[')) return ParseKeyHeader(line);
    if (line.starts_with('"') || line.starts_with('@')) return ParseValueLine(line);
    return false;
  }

  bool ParseKeyHeader(std::string_view line) {
    if (!line.ends_with(']')) return false;
    std::string_view path = line.substr(1, line.size() - 2);
    const bool remove = Consume(path, "-");
    // Trailing backslashes are no part of a key's name: "[\\]" names no key, as "[]" does.
    if (path.find_first_not_of('\\') == std::string_view::npos) return false;
    if (remove) {
      tree_.RemoveKey(path);
      key_.reset();
    } else {
      key_ = tree_.AddKey(path).path;
    }
    return true;
  }

  bool ParseValueLine(std::string_view line) {
    if (!key_) return false;
    std::string name;
    if (!Consume(line, "@")) {
      auto quoted = TakeQuoted(line);
      if (!quoted) return false;
      name = std::move(*quoted);
    }
    if (!Consume(line, "=")) return false;
    if (line == "-") {
      tree_.RemoveValue(*key_, name);
      return true;
    }
    const auto value = ParseData(WithContinuations(line));
    if (!value) return false;
    tree_.SetValue(*key_, name, *value);
    return true;
  }

  // A hex list ending in "\" goes on in the next line.
  std::string WithContinuations(std::string_view data) {
    std::string joined(data);
    if (!SameRegistryName(data.substr(0, 3), "hex")) return joined;
    while (joined.ends_with('\\') && next_ < lines_.size()) {
      joined.pop_back();
      joined += Trim(lines_[next_++]);
    }
    return joined;
  }

  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
  RegistryTree tree_;
  // The key values go to; none before a header or after a deletion.
  std::optional<std::string> key_;
};

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') quoted.push_back('\\');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

// The number in lower-case hex, with leading zeros up to minDigits.
std::string HexText(std::uint32_t number, std::size_t minDigits) {
  std::string digits;
  do {
    digits.insert(digits.begin(), kHexDigits[number % 16]);
    number /= 16;
  } while (number != 0 || digits.size() < minDigits);
  return digits;
}

// The bytes as a hex list, wrapped with "\" when a line grows long; column is
// where the list starts on its line.
std::string HexList(std::string_view bytes, std::size_t column) {
  std::string list;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (at > 0) {
      list += ',';
      if (++column > kWrapColumn) {
        list += "\\\n  ";
        column = 2;
      }
    }
    list += HexText(static_cast<unsigned char>(bytes[at]), 2);
    column += 2;
  }
  return list;
}

bool IsPlainText(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

std::string DataText(const RegistryValue& value, std::size_t column) {
  if (value.type == kRegSz && IsPlainText(value.data)) return Quoted(value.data);
  if (value.type == kRegDword && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (std::size_t at = 0; at < 4; ++at) {
      number |= std::uint32_t{static_cast<unsigned char>(value.data[at])} << (8 * at);
    }
    return "dword:" + HexText(number, 8);
  }
  const std::string prefix =
      value.type == kRegBinary ? "hex:" : "hex(" + HexText(value.type, 1) + "):";
  return prefix + HexList(value.data, column + prefix.size());
}

}  // namespace

std::optional<RegistryTree> ParseRegedit4(std::string_view text) {
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return RegistryTree{};
  const std::string ansi = IsValidUtf8(text) ? Utf8ToAnsi(text) : std::string(text);
  return Parser(ansi).Run();
}

std::string SerializeRegedit4(const RegistryTree& tree) {
  std::string text = std::string(kHeader) + "\n\n";
  for (const auto& key : tree.Keys()) {
    text += "[" + key.path + "]\n";
    for (const auto& [name, value] : key.values) {
      const std::string nameText = name.empty() ? "@=" : Quoted(name) + "=";
      text += nameText + DataText(value, nameText.size()) + "\n";
    }
    text += '\n';
  }
  return AnsiToUtf8(text);
}

}  // namespace talvora
