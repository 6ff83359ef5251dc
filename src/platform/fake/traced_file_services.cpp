#include "platform/fake/traced_file_services.h"

#include "platform/fake/call_json.h"

namespace talvora {

bool TracedFileServices::CopyFile(std::string_view source, std::string_view destination) {
  const bool copied = files_.CopyFile(source, destination);
  if (tracer_ != nullptr) {
    tracer_->Record("call", {{"fn", "CopyFileA"},
                             {"args", RawJson{ArgsJson(source, destination, 0)}},
                             {"ret", std::int64_t{copied ? 1 : 0}}});
  }
  return copied;
}

bool TracedFileServices::SetAttributes(std::string_view path, std::uint32_t attributes) {
  const bool set = files_.SetAttributes(path, attributes);
  if (tracer_ != nullptr) {
    tracer_->Record("call", {{"fn", "SetFileAttributesA"},
                             {"args", RawJson{ArgsJson(path, attributes)}},
                             {"ret", std::int64_t{set ? 1 : 0}}});
  }
  return set;
}

bool TracedFileServices::SameContents(std::string_view a, std::string_view b) {
  return files_.SameContents(a, b);
}

}  // namespace talvora
