#include "host/scene_dispatcher.h"

#include <algorithm>
#include <array>

#include "common/number_text.h"
#include "common/rounding.h"
#include "runtime/forms/timer.h"

namespace talvora {

SceneChoice SceneOf(std::string_view saver) {
  static constexpr std::array<std::string_view, 5> kTexts = {"1", "2", "3", "4", "5"};
  for (std::size_t i = 0; i < kTexts.size(); ++i) {
    if (saver == kTexts[i]) return static_cast<SceneChoice>(i);
  }
  return SceneChoice::kNone;
}

int SlideshowIntervalMs(std::string_view seconds, int defaultSeconds) {
  int ms = 0;
  if (IsNumberText(seconds)) ms = RoundToInt32(LeadingNumber(seconds) * 1000);
  if (ms <= 0) ms = defaultSeconds * 1000;
  return std::min(ms, Timer::kMaxInterval);
}

}  // namespace talvora
