#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/tracer.h"

namespace talvora {

// The arguments of a recorded call as a JSON array: texts as strings,
// numbers as numbers.
template <typename... Args>
std::string ArgsJson(const Args&... args) {
  std::ostringstream out;
  out << '[';
  const char* separator = "";
  auto put = [&](const auto& arg) {
    out << separator;
    separator = ",";
    if constexpr (std::is_convertible_v<decltype(arg), std::string_view>) {
      WriteJsonString(out, arg);
    } else {
      out << arg;
    }
  };
  (put(args), ...);
  out << ']';
  return out.str();
}

}  // namespace talvora
