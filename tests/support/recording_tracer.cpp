#include "tests/support/recording_tracer.h"

#include <sstream>
#include <variant>

namespace talvora {

std::string TraceRecord::Get(std::string_view key) const {
  for (const auto& [name, value] : fields) {
    if (name == key) return value;
  }
  return {};
}

void RecordingTracer::Record(std::string_view op, std::initializer_list<TraceField> fields) {
  TraceRecord record{clock_.NowMs(), std::string(op), {}};
  for (const TraceField& field : fields) {
    std::string text;
    if (const auto* s = std::get_if<std::string_view>(&field.value)) {
      text = *s;
    } else if (const auto* raw = std::get_if<RawJson>(&field.value)) {
      text = raw->json;
    } else if (const auto* b = std::get_if<bool>(&field.value)) {
      text = *b ? "true" : "false";
    } else if (const auto* i = std::get_if<std::int64_t>(&field.value)) {
      text = std::to_string(*i);
    } else {
      // Doubles as the trace file writes them.
      std::ostringstream out;
      JsonLinesTracer(out, clock_).Record("", {{"v", std::get<double>(field.value)}});
      const std::string line = out.str();
      const std::size_t at = line.find("\"v\":") + 4;
      text = line.substr(at, line.size() - at - 2);
    }
    record.fields.emplace_back(std::string(field.key), std::move(text));
  }
  records_.push_back(std::move(record));
}

std::vector<TraceRecord> RecordingTracer::Of(std::string_view op, std::string_view key,
                                             std::string_view value) const {
  std::vector<TraceRecord> found;
  for (const TraceRecord& record : records_) {
    if (record.op == op && (key.empty() || record.Get(key) == value)) found.push_back(record);
  }
  return found;
}

}  // namespace talvora
