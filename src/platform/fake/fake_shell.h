#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/tracer.h"
#include "platform/shell.h"

namespace talvora {

// A shell that starts nothing and remembers what it was asked, also as
// "call" records of a trace when it has one.
class FakeShell final : public Shell {
 public:
  struct Execute {
    WindowHandle parent = 0;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand = 0;
    friend bool operator==(const Execute&, const Execute&) = default;
  };
  struct Start {
    std::string path;
    int showCommand = 0;
    friend bool operator==(const Start&, const Start&) = default;
  };

  // What ShellExecute answers (above 32: success) and whether programs start.
  explicit FakeShell(std::int64_t executeResult = 42, bool programsStart = true)
      : executeResult_(executeResult), programsStart_(programsStart) {}

  std::int64_t ShellExecute(WindowHandle parent, std::string_view verb, std::string_view file,
                            std::string_view parameters, std::string_view directory,
                            int showCommand) override;
  bool StartProgram(std::string_view path, int showCommand) override;

  void SetTracer(Tracer* tracer) { tracer_ = tracer; }
  const std::vector<Execute>& Executed() const { return executed_; }
  const std::vector<Start>& Started() const { return started_; }

 private:
  std::int64_t executeResult_;
  bool programsStart_;
  Tracer* tracer_ = nullptr;
  std::vector<Execute> executed_;
  std::vector<Start> started_;
};

}  // namespace talvora
