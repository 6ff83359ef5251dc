#include "host/headless/event_script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>
#include <utility>

namespace talvora {
namespace {

// A key of the keyboard: its virtual-key code and the character it makes, 0 for none.
struct NamedKey {
  std::string_view name;
  int keyCode;
  int character;
};

constexpr std::array<NamedKey, 23> kNamedKeys = {{
    {"space", 0x20, ' '}, {"enter", 0x0D, '\r'}, {"return", 0x0D, '\r'}, {"escape", 0x1B, 0x1B},
    {"esc", 0x1B, 0x1B},  {"tab", 0x09, '\t'},   {"backspace", 0x08, 8}, {"shift", 0x10, 0},
    {"control", 0x11, 0}, {"ctrl", 0x11, 0},     {"alt", 0x12, 0},       {"left", 0x25, 0},
    {"up", 0x26, 0},      {"right", 0x27, 0},    {"down", 0x28, 0},      {"home", 0x24, 0},
    {"end", 0x23, 0},     {"pageup", 0x21, 0},   {"pagedown", 0x22, 0},  {"insert", 0x2D, 0},
    {"delete", 0x2E, 0},  {"f1", 0x70, 0},       {"f10", 0x79, 0},
}};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::optional<NamedKey> KeyNamed(std::string_view name) {
  const std::string lower = Lower(name);
  for (const NamedKey& key : kNamedKeys) {
    if (key.name == lower) return key;
  }
  if (lower.size() == 1) {
    const char c = lower[0];
    if (c >= 'a' && c <= 'z') return NamedKey{name, c - 'a' + 'A', name[0]};
    if (c >= '0' && c <= '9') return NamedKey{name, c, c};
  }
  if (lower.size() >= 2 && lower[0] == 'f') {
    int n = 0;
    const auto [end, error] = std::from_chars(lower.data() + 1, lower.data() + lower.size(), n);
    if (error == std::errc{} && end == lower.data() + lower.size() && n >= 1 && n <= 12) {
      return NamedKey{name, 0x70 + n - 1, 0};
    }
  }
  return std::nullopt;
}

// The next character that is not a blank, left in the stream; 0 at the end.
int NextNonBlank(std::istringstream& in) {
  while (in.peek() == ' ' || in.peek() == '\t') in.get();
  const int next = in.peek();
  return next == std::char_traits<char>::eof() ? 0 : next;
}

bool StartsNumber(int c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.'; }

template <typename Number>
bool ReadNumber(std::istringstream& in, Number& value) {
  return static_cast<bool>(in >> value);
}

// Parses one line's event after its time; false with a message when invalid.
bool ParseEvent(std::istringstream& in, std::int64_t atMs, std::vector<ScriptEvent>& out,
                std::string& error) {
  std::string name;
  in >> name;
  ScriptEvent event;
  event.atMs = atMs;
  const std::string verb = Lower(name);
  if (verb == "keydown") {
    event.kind = ScriptEvent::Kind::kKeyDown;
    if (!ReadNumber(in, event.keyCode)) return error = "keydown needs a key code", false;
  } else if (verb == "keypress") {
    event.kind = ScriptEvent::Kind::kKeyPress;
    std::string character;
    if (!(in >> character)) return error = "keypress needs a character", false;
    if (character.size() == 1) {
      event.character = static_cast<unsigned char>(character[0]);
    } else {
      const auto [end, failed] =
          std::from_chars(character.data(), character.data() + character.size(), event.character);
      if (failed != std::errc{} || end != character.data() + character.size()) {
        return error = "keypress needs one character or its code", false;
      }
    }
  } else if (verb == "key") {
    std::string keyName;
    in >> keyName;
    const auto key = KeyNamed(keyName);
    if (!key) return error = "unknown key name '" + keyName + "'", false;
    event.kind = ScriptEvent::Kind::kKeyDown;
    event.keyCode = key->keyCode;
    out.push_back(event);
    if (key->character == 0) return true;
    event.kind = ScriptEvent::Kind::kKeyPress;
    event.character = key->character;
  } else if (verb == "hover" || verb == "slide" ||
             (verb == "click" && !StartsNumber(NextNonBlank(in)))) {
    event.kind = verb == "hover"   ? ScriptEvent::Kind::kHoverControl
                 : verb == "slide" ? ScriptEvent::Kind::kSlide
                                   : ScriptEvent::Kind::kClickControl;
    if (!(in >> event.control)) return error = verb + " needs a control name", false;
    if (event.kind == ScriptEvent::Kind::kSlide && !ReadNumber(in, event.value)) {
      return error = "slide needs a control name and a value", false;
    }
  } else if (verb == "mousemove" || verb == "mousedown" || verb == "click" || verb == "dblclick") {
    event.kind = verb == "mousemove"   ? ScriptEvent::Kind::kMouseMove
                 : verb == "mousedown" ? ScriptEvent::Kind::kMouseDown
                 : verb == "click"     ? ScriptEvent::Kind::kClick
                                       : ScriptEvent::Kind::kDblClick;
    if (!ReadNumber(in, event.x) || !ReadNumber(in, event.y)) {
      return error = verb + " needs X and Y", false;
    }
  } else if (verb == "close") {
    event.kind = ScriptEvent::Kind::kClose;
    if (!(in >> event.form)) return error = "close needs a form name", false;
  } else {
    return error = "unknown event '" + name + "'", false;
  }
  std::string extra;
  if (in >> extra) return error = "unexpected '" + extra + "'", false;
  out.push_back(std::move(event));
  return true;
}

}  // namespace

ParsedEventScript ParseEventScript(std::string_view text) {
  ParsedEventScript parsed;
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream in(line);
    std::string first;
    if (!(in >> first) || first[0] == '#') continue;
    std::int64_t atMs = 0;
    const auto [end, failed] = std::from_chars(first.data(), first.data() + first.size(), atMs);
    std::string error;
    if (failed != std::errc{} || end != first.data() + first.size() || atMs < 0) {
      error = "a time in milliseconds must come first";
    } else {
      ParseEvent(in, atMs, parsed.events, error);
    }
    if (!error.empty()) {
      parsed.events.clear();
      parsed.error = "line " + std::to_string(number) + ": " + error;
      return parsed;
    }
  }
  std::stable_sort(parsed.events.begin(), parsed.events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.atMs < b.atMs; });
  return parsed;
}

}  // namespace talvora
