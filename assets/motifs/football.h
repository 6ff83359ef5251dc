#pragma once

#include "assets/paint/canvas.h"

namespace talvora::motifs {

// The classic football: twelve black pentagons among twenty white hexagons,
// seamed and lit as a sphere from the upper left. spin (in turns) rotates it
// about a tilted axis through the middle of a seam; the pattern repeats
// every half turn, so frames spaced evenly over half a turn loop smoothly.
void PaintFootball(paint::Canvas& canvas, paint::Point centre, double radius, double spin);

}  // namespace talvora::motifs
