#pragma once

#include <string_view>

namespace talvora {

// Runs the module on Windows with its argument text (UTF-8): start-up, then
// one message loop on this thread while a form is loaded. Returns the
// process's exit status.
int RunWin32Saver(std::string_view arguments);

}  // namespace talvora
