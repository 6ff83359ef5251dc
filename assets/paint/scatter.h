#pragma once

#include <cstdint>

namespace talvora::paint {

// A small deterministic generator (SplitMix64) for scattering stars, confetti
// and crowds: each picture seeds its own, so every run draws the same values.
class Scatter {
 public:
  explicit Scatter(std::uint64_t seed) : state_(seed) {}

  std::uint64_t NextBits() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A real in [0, 1), exactly representable.
  double Next() { return static_cast<double>(NextBits() >> 11) * (1.0 / 9007199254740992.0); }

  double Between(double low, double high) { return low + (high - low) * Next(); }

  // A whole number in [0, count).
  int Below(int count) { return static_cast<int>(NextBits() % static_cast<std::uint64_t>(count)); }

 private:
  std::uint64_t state_;
};

}  // namespace talvora::paint
