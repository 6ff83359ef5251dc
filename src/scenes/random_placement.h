#pragma once

#include "scenes/scene_context.h"

namespace talvora {

// A corner for a picture of w x h pixels at a random place of the window,
// drawn from two successive random numbers: at least `margin` pixels from
// the left and top edges, the picture ending inside the window.
struct Placement {
  int left;
  int top;
};
Placement RandomPlacement(const SceneContext& context, double w, double h, int margin);

}  // namespace talvora
