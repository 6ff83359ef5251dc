// The INI reader over any file text: the profile service with names taken from the text itself
// and a few fixed ones, at several buffer sizes, and GetIniValue's encoding choice over it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_encoding.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_folder.h"
#include "platform/posix/ini_file_profile.h"
#include "settings/ini_value.h"

namespace talvora {
namespace {

constexpr std::size_t kMaxNamesFromText = 4;

struct Names {
  std::vector<std::string> sections = {"", "General"};
  std::vector<std::string> keys = {"", "Saver"};
};

// Besides a few fixed ones, the names as the text spells them: what stands between "[" and "]",
// and what stands before "=".
Names NamesInText(std::string_view text) {
  Names names;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t close = line.rfind(']');
    const std::size_t equals = line.find('=');
    if (line.starts_with('[') && close != std::string_view::npos) {
      if (names.sections.size() < 2 + kMaxNamesFromText) {
        names.sections.emplace_back(line.substr(1, close - 1));
      }
    } else if (equals != std::string_view::npos && names.keys.size() < 2 + kMaxNamesFromText) {
      names.keys.emplace_back(line.substr(0, equals));
    }
  }
  return names;
}

void CheckProfile(const std::string& file, const Names& names) {
  const IniFileProfile profile;
  std::string value;
  for (const std::string& section : names.sections) {
    for (const std::string& key : names.keys) {
      for (const std::size_t bufferSize : {std::size_t{0}, std::size_t{2}, std::size_t{255}}) {
        profile.GetString(section, key, "\"default\"  ", bufferSize, file, value);
        FuzzCheck(value.size() + 1 <= std::max<std::size_t>(bufferSize, 1),
                  "the profile's value fits its buffer with the NUL");
      }
    }
  }
}

void CheckIniValue(const std::string& file, const Names& names, bool textIsUtf8) {
  const IniFileProfile profile;
  // GetIniValue takes UTF-8 names; a file in the ANSI code page spells them in 1252.
  const auto utf8 = [textIsUtf8](const std::string& name) {
    return textIsUtf8 ? name : AnsiToUtf8(name);
  };
  for (const std::string& section : names.sections) {
    for (const std::string& key : names.keys) {
      const std::string value = GetIniValue(profile, utf8(section), utf8(key), "x", file);
      FuzzCheck(IsValidUtf8(value), "GetIniValue answers in UTF-8");
      FuzzCheck(Utf8ToAnsi(value).size() <= 254, "GetIniValue gives at most 254 characters");
    }
  }
}

}  // namespace
}  // namespace talvora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talvora;
  static const ScratchFolder folder("fuzz-ini");
  const std::span<const std::uint8_t> bytes(data, size);
  const std::string file = folder.Write("profile.ini", bytes).string();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Names names = NamesInText(text);
  CheckProfile(file, names);
  CheckIniValue(file, names, IsValidUtf8(text) && !text.starts_with("\xEF\xBB\xBF"));
  return 0;
}
