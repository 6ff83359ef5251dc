#pragma once

#include <cstdint>

namespace talvora {

// Milliseconds on the forms' clock. The headless host runs a virtual clock
// that only moves when it is told to; the other hosts read real time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMs() const = 0;
  // What re-seeding the random source mixes in: the clock's own time here,
  // so that a virtual run repeats exactly; real clocks may offer a finer one.
  virtual std::uint64_t SeedReading() const { return static_cast<std::uint64_t>(NowMs()); }
};

class VirtualClock final : public Clock {
 public:
  std::int64_t NowMs() const override { return now_; }
  // Time never goes backwards: an earlier target leaves the clock as it is.
  void AdvanceTo(std::int64_t ms) {
    if (ms > now_) now_ = ms;
  }

 private:
  std::int64_t now_ = 0;
};

}  // namespace talvora
