#pragma once

#include <cstdint>

namespace talvora {

// A uniform source of reals r with 0 <= r < 1. Every instance starts from the
// same fixed seed, so a run is repeatable until the first re-seed.
class RandomSource {
 public:
  RandomSource() = default;

  double Next();

  // Mixes a clock reading into the current state. The sequence does not
  // restart from a value of the clock alone: re-seeding twice with the same
  // reading still moves on to fresh draws.
  void Reseed(std::uint64_t clockReading);

 private:
  static constexpr std::uint64_t kFixedSeed = 0x5441'4C56'4F52'4139ULL;
  std::uint64_t state_ = kFixedSeed;
};

// The process-wide source the scenes draw from.
RandomSource& ProcessRandom();

// Re-seeds the process-wide source from the system clock.
void ReseedProcessRandomFromClock();

}  // namespace talvora
