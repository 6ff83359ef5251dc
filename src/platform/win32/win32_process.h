#pragma once

#include <string>

namespace talvora {

// The process's whole command line, converted from the ANSI code page to UTF-8.
std::string Win32CommandLine();

// The folder of the running program file, UTF-8, without a trailing backslash.
std::string Win32ProgramFolder();

}  // namespace talvora
