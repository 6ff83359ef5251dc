#pragma once

#include <chrono>
#include <cstdint>

#include "common/clock.h"

namespace talvora {

// Real time for the hosts that run on a screen: milliseconds since the clock
// was made, on a clock that never jumps; the random source is re-seeded from
// the wall clock in microseconds, so that two runs differ.
class SteadyClock final : public Clock {
 public:
  std::int64_t NowMs() const override {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
  }
  std::uint64_t SeedReading() const override {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace talvora
