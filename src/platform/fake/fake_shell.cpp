#include "platform/fake/fake_shell.h"

namespace talvora {

std::int64_t FakeShell::ShellExecute(WindowHandle parent, std::string_view verb,
                                     std::string_view file, std::string_view parameters,
                                     std::string_view directory, int showCommand) {
  executed_.push_back({parent, std::string(verb), std::string(file), std::string(parameters),
                       std::string(directory), showCommand});
  return executeResult_;
}

bool FakeShell::StartProgram(std::string_view path, int showCommand) {
  started_.push_back({std::string(path), showCommand});
  return programsStart_;
}

}  // namespace talvora
