#include "scenes/flying_trophies.h"

#include <algorithm>

#include "common/number_text.h"
#include "common/rounding.h"

namespace talvora {
namespace {

// Each kind gets at most this many of the 31 slots.
constexpr double kMaxPerKind = 15;

struct Kinds {
  bool worldCup = false;
  bool julesRimet = false;
};

// "0" both, "1" Jules Rimet, "2" World Cup; any other number, and a text
// that is not a number, none.
Kinds KindsOf(const std::string& trofeusTipo) {
  if (!IsNumberText(trofeusTipo)) return {};
  const double kind = LeadingNumber(trofeusTipo);
  return {kind == 0 || kind == 2, kind == 0 || kind == 1};
}

}  // namespace

void FlyingTrophies::AnimateTrophies(const SceneContext& context) {
  context.window.Refresh();
  const FlyingSprites::Tick tick{
      .maxSpeed = LeadingNumber(context.settings.TrofeusVel),
      .growthDivisor = context.Preview() ? 50.0 : 300.0,
      .limitDivisor = context.Preview() ? 5.0 : 15.0,
  };
  const double count = std::min(LeadingNumber(context.settings.TrofeusNum), kMaxPerKind);
  const int lastCup = LastSlot(0, count);
  const int firstRimet = std::max(RoundToInt32(count), 0);
  const int lastRimet = LastSlot(0, count + count);

  slots_.RestartPass(context, tick, 0, lastRimet);
  const Kinds kinds = KindsOf(context.settings.TrofeusTipo);
  if (kinds.worldCup) {
    slots_.DrawAndMovePass(context, tick, 0, lastCup, context.pictures.Taca1Clip(0), 0, 1, false);
  }
  if (kinds.julesRimet) {
    slots_.DrawAndMovePass(context, tick, firstRimet, lastRimet, context.pictures.Taca1Clip(1), 0,
                           1, false);
  }
}

}  // namespace talvora
