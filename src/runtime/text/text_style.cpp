#include "runtime/text/text_style.h"

#include <algorithm>
#include <cmath>

namespace talvora {
namespace {

// Larger fonts are of no use on a screen and would only cost memory.
constexpr double kLargestEm = 1024;

}  // namespace

int EmPixels(double pointSize) {
  const double pixels = pointSize * 96.0 / 72.0;
  if (!(pixels >= 1)) return 1;  // also NaN
  return static_cast<int>(std::lround(std::min(pixels, kLargestEm)));
}

}  // namespace talvora
