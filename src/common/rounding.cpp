#include "common/rounding.h"

#include <cmath>
#include <limits>

namespace talvora {
namespace {

template <typename Int>
Int RoundSaturating(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lowest = std::numeric_limits<Int>::lowest();
  constexpr double highest = std::numeric_limits<Int>::max();
  if (value <= lowest) return std::numeric_limits<Int>::lowest();
  if (value >= highest) return std::numeric_limits<Int>::max();

  const double below = std::floor(value);
  const double fraction = value - below;
  double rounded = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
  // rounded lies within [lowest, highest] here: value did, and rounding moves
  // it by at most one half towards an integer that the range holds.
  return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t RoundToInt16(double value) { return RoundSaturating<std::int16_t>(value); }

std::int32_t RoundToInt32(double value) { return RoundSaturating<std::int32_t>(value); }

}  // namespace talvora
