#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

// One line of an event script: at virtual time `atMs`, an input event.
struct ScriptEvent {
  enum class Kind {
    kKeyDown,
    kKeyPress,
    kMouseMove,
    kMouseDown,
    kClick,
    kDblClick,
    kClose,
    kClickControl,  // a click on the centre of the named control
    kHoverControl,  // the pointer moves onto the centre of the named control
    kSlide,         // the named slider's thumb is dragged to `value`
  };

  std::int64_t atMs = 0;
  Kind kind = Kind::kKeyDown;
  int keyCode = 0;    // keydown: the virtual-key code
  int character = 0;  // keypress: the character code
  double x = 0;       // mouse events: window pixels
  double y = 0;
  std::string form;        // close: the form's name
  std::string control;     // click, hover, slide by name: the control, "Option1(2)"
  std::int32_t value = 0;  // slide: the value to drag to

  friend bool operator==(const ScriptEvent&, const ScriptEvent&) = default;
};

struct ParsedEventScript {
  std::vector<ScriptEvent> events;  // in time order, lines of equal time in file order
  std::string error;                // "line N: ..." when the script is not valid
};

// Reads a script of lines "MS EVENT ARGS": keydown VK, keypress CHAR (one
// character or its decimal code), key NAME (a real key stroke: key down, then
// key press for a key that makes a character), mousemove X Y, mousedown X Y,
// click X Y, dblclick X Y, close FORM, and by a control's name on the active
// form: click NAME, hover NAME, slide NAME VALUE. Blank lines and lines
// starting with "#" are skipped.
ParsedEventScript ParseEventScript(std::string_view text);

}  // namespace talvora
