#include "common/random_source.h"

#include <chrono>

namespace talvora {
namespace {

// SplitMix64's output function: a bijective, well-mixing step on 64 bits.
std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
  return z ^ (z >> 31);
}

constexpr std::uint64_t kGoldenGamma = 0x9E37'79B9'7F4A'7C15ULL;

}  // namespace

double RandomSource::Next() {
  state_ += kGoldenGamma;
  // The top 53 bits fill a double's mantissa exactly: r is a multiple of
  // 2^-53 and never reaches 1.
  return static_cast<double>(Mix(state_) >> 11) * 0x1.0p-53;
}

void RandomSource::Reseed(std::uint64_t clockReading) {
  state_ = Mix(state_ ^ Mix(clockReading + kGoldenGamma)) + kGoldenGamma;
}

RandomSource& ProcessRandom() {
  static RandomSource source;
  return source;
}

void ReseedProcessRandomFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  ProcessRandom().Reseed(static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

}  // namespace talvora
