#pragma once

#include "scenes/flying_sprites.h"

namespace talvora {

// The first scene: footballs fly out of the centre, spin and grow.
class FlyingBalls {
 public:
  // One tick: clears the window, draws every ball and moves it on.
  void AnimateBalls(const SceneContext& context);

  const FlyingSprites& Slots() const { return slots_; }

 private:
  FlyingSprites slots_{
      {.directions = 12, .flatStep = 2, .heightFactor = 1, .reseedOnRestart = true}};
};

}  // namespace talvora
