#pragma once

#include "assets/paint/canvas.h"

namespace talvora::motifs {

// A push-button desk telephone with its handset resting on top, seen from
// the front and a little above, its coiled cord hanging from the left.
// Designed 40 x 32 with its top-left corner at origin; scale enlarges it.
void PaintTelephone(paint::Canvas& canvas, paint::Point origin, double scale, Pixel body);

inline constexpr double kTelephoneDesignWidth = 40.0;
inline constexpr double kTelephoneDesignHeight = 32.0;

}  // namespace talvora::motifs
