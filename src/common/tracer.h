#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string_view>
#include <variant>

#include "common/clock.h"

namespace talvora {

// A value already written as JSON, such as an array of arguments.
struct RawJson {
  std::string_view json;
};

// One named field of a trace record.
struct TraceField {
  std::string_view key;
  std::variant<std::int64_t, double, bool, std::string_view, RawJson> value;
};

// Receives what the forms run time and the platform services do, one record
// per operation, for the headless host's trace. Tracing is optional: the run
// time calls it only when one is attached.
class Tracer {
 public:
  virtual ~Tracer() = default;
  virtual void Record(std::string_view op, std::initializer_list<TraceField> fields) = 0;
};

// Writes records as JSON Lines: {"t":MS,"op":OP,...} with t read from the clock.
class JsonLinesTracer final : public Tracer {
 public:
  JsonLinesTracer(std::ostream& out, const Clock& clock) : out_(out), clock_(clock) {}
  void Record(std::string_view op, std::initializer_list<TraceField> fields) override;

 private:
  std::ostream& out_;
  const Clock& clock_;
};

// Writes a JSON string literal, quotes and escapes included; the text is UTF-8.
void WriteJsonString(std::ostream& out, std::string_view text);

}  // namespace talvora
