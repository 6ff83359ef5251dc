#pragma once

#include <array>
#include <cstdint>

#include "runtime/graphics/picture_strip.h"
#include "scenes/scene_context.h"

namespace talvora {

// The flying-sprite model the balls and the trophies share: a fixed table of
// slots, each a sprite that starts at the centre with a random speed,
// direction and size, moves one step and grows on every tick, and starts
// again once it leaves through the left or right side or grows too large.
class FlyingSprites {
 public:
  static constexpr int kSlots = 31;

  // What tells the two scenes apart.
  struct Rules {
    int directions;        // restart picks a direction from 1 to this
    double flatStep;       // horizontal steps of the flat directions 8, 10, 11, 12
    double heightFactor;   // drawn height = floor(heightFactor x width)
    bool reseedOnRestart;  // re-seed the random source before each restart
  };

  // Per-tick parameters.
  struct Tick {
    double maxSpeed;
    double growthDivisor;
    double limitDivisor;
  };

  explicit FlyingSprites(const Rules& rules) : rules_(rules) {}

  // Restarts every slot of first..last whose X is not strictly inside (0, W).
  void RestartPass(const SceneContext& context, const Tick& tick, int first, int last);
  // Draws, moves and grows slots first..last in order; mask cell and image
  // cell come from the strip. frames, when given, advance per drawn slot.
  void DrawAndMovePass(const SceneContext& context, const Tick& tick, int first, int last,
                       const PictureStrip& strip, int imageCell, int maskCell, bool animateFrames);

  // Slot fields, for the scenes' state and for tests.
  float X(int slot) const { return x_[Index(slot)]; }
  float Y(int slot) const { return y_[Index(slot)]; }
  float Speed(int slot) const { return speed_[Index(slot)]; }
  float Direction(int slot) const { return direction_[Index(slot)]; }
  float Size(int slot) const { return size_[Index(slot)]; }
  std::int16_t Frame(int slot) const { return frame_[Index(slot)]; }

 private:
  static std::size_t Index(int slot) { return static_cast<std::size_t>(slot); }
  void Restart(const SceneContext& context, const Tick& tick, int slot);
  void Move(int slot);

  Rules rules_;
  std::array<float, kSlots> x_{};
  std::array<float, kSlots> y_{};
  std::array<float, kSlots> speed_{};
  std::array<float, kSlots> direction_{};
  std::array<float, kSlots> size_{};
  std::array<std::int16_t, kSlots> frame_{};
};

// The last slot a count of sprites reaches from `first`: first +
// RoundToInteger(count) - 1, kept inside the table; below `first` when the
// count is 0 or less.
int LastSlot(int first, double count);

}  // namespace talvora
