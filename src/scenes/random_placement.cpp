#include "scenes/random_placement.h"

#include <cmath>

#include "common/rounding.h"

namespace talvora {

Placement RandomPlacement(const SceneContext& context, double w, double h, int margin) {
  const double r1 = context.random.Next();
  const double r2 = context.random.Next();
  return {RoundToInt32(std::floor((context.W() - w - margin) * r1) + margin),
          RoundToInt32(std::floor((context.H() - h - margin) * r2) + margin)};
}

}  // namespace talvora
