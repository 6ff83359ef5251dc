#include "platform/posix/posix_shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

extern char** environ;

namespace talvora {
namespace {

// What ShellExecuteA answers: above 32 for success, 2 when nothing started.
constexpr std::int64_t kExecuted = 42;
constexpr std::int64_t kFileNotFound = 2;

// Runs the program `program` with one argument (or none) in the background
// of a short-lived shell, which is waited for: the program itself is left to
// the system. True when the program was found and started.
bool RunDetached(const std::string& program, const std::string* argument) {
  const char* script =
      "command -v \"$1\" >/dev/null 2>&1 || exit 127; \"$@\" </dev/null >/dev/null 2>&1 &";
  const char* argv[] = {"sh",
                        "-c",
                        script,
                        "sh",
                        program.c_str(),
                        argument != nullptr ? argument->c_str() : nullptr,
                        nullptr};
  pid_t child = 0;
  // posix_spawn takes char* const*, though it changes nothing.
  if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) !=
      0) {
    return false;
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::int64_t PosixShell::ShellExecute(WindowHandle /*parent*/, std::string_view /*verb*/,
                                      std::string_view file, std::string_view /*parameters*/,
                                      std::string_view /*directory*/, int /*showCommand*/) {
  const std::string target(file);
  return !target.empty() && RunDetached("xdg-open", &target) ? kExecuted : kFileNotFound;
}

bool PosixShell::StartProgram(std::string_view path, int /*showCommand*/) {
  const std::string program(path);
  if (program.empty() || access(program.c_str(), X_OK) != 0) return false;
  return RunDetached(program, nullptr);
}

}  // namespace talvora
