#include "settings/key_value.h"

#include <cstddef>

#include "common/text_encoding.h"

namespace talvora {
namespace {

// The buffer a value is read into; a longer value fails to read.
constexpr std::size_t kValueBufferBytes = 1024;

std::string DwordText(std::string_view kept) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string text = "&h";
  for (auto at = kept.rbegin(); at != kept.rend(); ++at) {
    const auto code = static_cast<unsigned char>(*at);
    if (code >= 16) text.push_back(kHexDigits[code / 16]);
    text.push_back(kHexDigits[code % 16]);
  }
  return text;
}

}  // namespace

bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal) {
  const auto value =
      registry.Query(keyRoot, Utf8ToAnsi(keyName), Utf8ToAnsi(subKeyRef), kValueBufferBytes);
  if (!value) {
    keyVal.clear();
    return false;
  }
  // A text stored with its terminating NUL and one stored without read the same.
  std::string_view kept = value->data;
  if (!kept.empty() && kept.back() == '\0') kept.remove_suffix(1);

  if (value->type == kRegSz) {
    keyVal = AnsiToUtf8(kept);
  } else if (value->type == kRegDword) {
    keyVal = DwordText(kept);
  }
  return true;
}

bool SetKeyValue(Registry& registry, RegistryRoot keyRoot, std::string_view keyName,
                 std::string_view valueName, std::string_view text) {
  const std::string stored = Utf8ToAnsi(text.empty() ? std::string_view(" ") : text);
  return registry.Set(keyRoot, Utf8ToAnsi(keyName), Utf8ToAnsi(valueName),
                      RegistryValue{kRegSz, stored});
}

}  // namespace talvora
