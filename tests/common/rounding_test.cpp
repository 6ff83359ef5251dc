#include "common/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace talvora {
namespace {

struct RoundCase {
  double value;
  std::int32_t expected;
  friend std::ostream& operator<<(std::ostream& out, const RoundCase& c) { return out << c.value; }
};

class RoundToInt32Test : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt32Test, RoundsToNearestWithTiesToEven) {
  EXPECT_EQ(RoundToInt32(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToInt32Test,
    testing::Values(RoundCase{0.0, 0}, RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                    RoundCase{-3.5, -4}, RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.4999, 2},
                    RoundCase{2.5001, 3}, RoundCase{-0.4, 0}, RoundCase{-0.6, -1},
                    RoundCase{2147483646.5, 2147483646},
                    RoundCase{1e10, std::numeric_limits<std::int32_t>::max()},
                    RoundCase{-1e10, std::numeric_limits<std::int32_t>::min()},
                    RoundCase{HUGE_VAL, std::numeric_limits<std::int32_t>::max()},
                    RoundCase{-HUGE_VAL, std::numeric_limits<std::int32_t>::min()},
                    RoundCase{std::nan(""), 0}));

TEST(RoundToInt16, SaturatesAtTheSixteenBitRange) {
  EXPECT_EQ(RoundToInt16(32766.5), 32766);
  EXPECT_EQ(RoundToInt16(32767.5), 32767);
  EXPECT_EQ(RoundToInt16(40000.0), 32767);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_EQ(RoundToInt16(-1e300), -32768);
  EXPECT_EQ(RoundToInt16(-4.5), -4);
}

}  // namespace
}  // namespace talvora
