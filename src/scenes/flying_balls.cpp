#include "scenes/flying_balls.h"

#include "common/number_text.h"

namespace talvora {

void FlyingBalls::AnimateBalls(const SceneContext& context) {
  context.window.Refresh();
  const FlyingSprites::Tick tick{
      .maxSpeed = LeadingNumber(context.settings.BolasVel),
      .growthDivisor = context.Preview() ? 50.0 : 300.0,
      .limitDivisor = context.Preview() ? 1.0 : 15.0,
  };
  // More balls than the table holds are clamped to it.
  const int last = LastSlot(0, LeadingNumber(context.settings.BolasNum));
  slots_.RestartPass(context, tick, 0, last);
  slots_.DrawAndMovePass(context, tick, 0, last, context.pictures.BolaClip(), 0, 7, true);
}

}  // namespace talvora
