#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/tracer.h"

namespace talvora {

// One trace record with its values as text: strings as they are, numbers as
// JSON writes them, booleans "true" or "false".
struct TraceRecord {
  std::int64_t t = 0;
  std::string op;
  std::vector<std::pair<std::string, std::string>> fields;

  // The field's text, "" when absent.
  std::string Get(std::string_view key) const;
};

// Keeps every record in memory for tests to look through.
class RecordingTracer final : public Tracer {
 public:
  explicit RecordingTracer(const Clock& clock) : clock_(clock) {}
  void Record(std::string_view op, std::initializer_list<TraceField> fields) override;

  const std::vector<TraceRecord>& Records() const { return records_; }
  // The records of one operation, optionally only those whose `key` is `value`.
  std::vector<TraceRecord> Of(std::string_view op, std::string_view key = {},
                              std::string_view value = {}) const;
  void Clear() { records_.clear(); }

 private:
  const Clock& clock_;
  std::vector<TraceRecord> records_;
};

}  // namespace talvora
