#pragma once

#include "common/tracer.h"
#include "platform/file_services.h"

namespace talvora {

// File services that do what the given ones do and record each copy and
// attribute change as a "call" of the trace, named as the Windows calls.
class TracedFileServices final : public FileServices {
 public:
  explicit TracedFileServices(FileServices& files) : files_(files) {}
  void SetTracer(Tracer* tracer) { tracer_ = tracer; }

  bool CopyFile(std::string_view source, std::string_view destination) override;
  bool SetAttributes(std::string_view path, std::uint32_t attributes) override;
  bool SameContents(std::string_view a, std::string_view b) override;

 private:
  FileServices& files_;
  Tracer* tracer_ = nullptr;
};

}  // namespace talvora
