#pragma once

#include <string_view>

namespace talvora {

class Form;
class FormsRuntime;

// Shows a message with an OK button, modal over its owner (nullptr: over
// the screen), sized to the text as Windows sizes a message box, and
// returns once the user has pressed OK (Enter, Escape, Space) or closed it.
void ShowMessageBox(FormsRuntime& runtime, Form* owner, std::string_view text,
                    std::string_view caption);

}  // namespace talvora
