#include "platform/fake/fake_shell.h"

#include "platform/fake/call_json.h"

namespace talvora {

std::int64_t FakeShell::ShellExecute(WindowHandle parent, std::string_view verb,
                                     std::string_view file, std::string_view parameters,
                                     std::string_view directory, int showCommand) {
  executed_.push_back({parent, std::string(verb), std::string(file), std::string(parameters),
                       std::string(directory), showCommand});
  if (tracer_ != nullptr) {
    tracer_->Record(
        "call",
        {{"fn", "ShellExecuteA"},
         {"args", RawJson{ArgsJson(parent, verb, file, parameters, directory, showCommand)}},
         {"ret", executeResult_}});
  }
  return executeResult_;
}

bool FakeShell::StartProgram(std::string_view path, int showCommand) {
  started_.push_back({std::string(path), showCommand});
  if (tracer_ != nullptr) {
    tracer_->Record("call", {{"fn", "CreateProcessA"},
                             {"args", RawJson{ArgsJson(path, showCommand)}},
                             {"ret", std::int64_t{programsStart_ ? 1 : 0}}});
  }
  return programsStart_;
}

}  // namespace talvora
