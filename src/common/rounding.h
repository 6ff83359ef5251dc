#pragma once

#include <cstdint>

namespace talvora {

// The nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// A value beyond the width's range saturates to its nearest end, so that a
// stored "99999999999" or "1e999" can never wrap; NaN gives 0.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

}  // namespace talvora
