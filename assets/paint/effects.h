#pragma once

#include "assets/paint/canvas.h"

namespace talvora::paint {

// Rays from a centre out to a length: count of them, evenly spaced, each
// half as wide as the gap from one ray to the next. They alternate between
// two colours; the first points up, turned clockwise by turns. With fade,
// they thin out towards their ends.
struct Rays {
  Point centre;
  int count = 16;
  double length = 100.0;
  double turns = 0.0;
  Pixel first = kWhite;
  Pixel second = kWhite;
  int alpha = kOpaque;
  bool fade = false;
};
void DrawRays(Canvas& canvas, const Rays& rays);

// A soft round glow, strongest in the middle.
void DrawGlow(Canvas& canvas, Point centre, double radius, Pixel color, int strength);

}  // namespace talvora::paint
