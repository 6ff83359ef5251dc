// The headless host's event-script reader over any text: either events in time order and no
// error, or an error naming its line and no events.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "host/headless/event_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talvora;
  const ParsedEventScript parsed =
      ParseEventScript(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!parsed.error.empty()) {
    FuzzCheck(parsed.events.empty(), "an error comes without events");
    FuzzCheck(parsed.error.starts_with("line "), "an error names its line");
    return 0;
  }
  FuzzCheck(std::ranges::is_sorted(parsed.events, {}, &ScriptEvent::atMs),
            "events come in time order");
  FuzzCheck(parsed.events.empty() || parsed.events.front().atMs >= 0, "times are not negative");
  for (const ScriptEvent& event : parsed.events) {
    FuzzCheck(event.kind != ScriptEvent::Kind::kClose || !event.form.empty(),
              "a close names its form");
  }
  return 0;
}
