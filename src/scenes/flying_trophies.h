#pragma once

#include "scenes/flying_sprites.h"

namespace talvora {

// The second scene: World Cup and Jules Rimet trophies fly out of the centre.
class FlyingTrophies {
 public:
  // One tick: clears the window, draws the chosen kinds and moves them on.
  void AnimateTrophies(const SceneContext& context);

  const FlyingSprites& Slots() const { return slots_; }

 private:
  FlyingSprites slots_{
      {.directions = 11, .flatStep = 1.5, .heightFactor = 2.35, .reseedOnRestart = false}};
};

}  // namespace talvora
