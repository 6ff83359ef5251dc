#include "common/tracer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace talvora {
namespace {

struct ValueWriter {
  std::ostream& out;
  void operator()(std::int64_t v) const { out << v; }
  void operator()(bool v) const { out << (v ? "true" : "false"); }
  void operator()(std::string_view v) const { WriteJsonString(out, v); }
  void operator()(RawJson v) const { out << v.json; }
  void operator()(double v) const {
    if (!std::isfinite(v)) {
      out << "null";
      return;
    }
    // The shortest text that reads back as the same double.
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, v);
    out << std::string_view(text, static_cast<std::size_t>(result.ptr - text));
  }
};

}  // namespace

void WriteJsonString(std::ostream& out, std::string_view text) {
  out << '"';
  for (const char c : text) {
    switch (c) {
      case '"':
        out << "\\\"";
        break;
      case '\\':
        out << "\\\\";
        break;
      case '\n':
        out << "\\n";
        break;
      case '\r':
        out << "\\r";
        break;
      case '\t':
        out << "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out << escaped;
        } else {
          out << c;
        }
    }
  }
  out << '"';
}

void JsonLinesTracer::Record(std::string_view op, std::initializer_list<TraceField> fields) {
  out_ << "{\"t\":" << clock_.NowMs() << ",\"op\":";
  WriteJsonString(out_, op);
  for (const TraceField& field : fields) {
    out_ << ',';
    WriteJsonString(out_, field.key);
    out_ << ':';
    std::visit(ValueWriter{out_}, field.value);
  }
  out_ << "}\n";
}

}  // namespace talvora
