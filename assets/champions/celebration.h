#pragma once

#include <cstdint>
#include <string_view>

#include "assets/motifs/trophies.h"
#include "assets/paint/canvas.h"

namespace talvora::champions {

inline constexpr int kSceneWidth = 319;
inline constexpr int kSceneHeight = 200;

// The pieces the four title scenes are made of.

// Brazil's flag rippling in the wind, fitted in the box; phase shifts the
// ripples.
void DrawWavingFlag(paint::Canvas& canvas, const motifs::Box& box, double phase);

// A crowd of supporters seen from behind, their heads from top to the
// bottom edge, some with raised arms and small flags.
void DrawCrowd(paint::Canvas& canvas, double top, Pixel shade, std::uint64_t seed);

// Paper scraps in the national colours, falling over the upper part.
void DrawConfetti(paint::Canvas& canvas, int count, double bottom, std::uint64_t seed);

// A row of golden stars, one per title won, centred on centreX.
void DrawTitleStars(paint::Canvas& canvas, double centreX, double y, int count, double radius);

// A beam of light from a point below the picture, fanning upwards.
void DrawSpotlight(paint::Canvas& canvas, paint::Point foot, double towardsX, double width);

// A burst of fireworks.
void DrawFirework(paint::Canvas& canvas, paint::Point centre, double radius, Pixel color);

// The scene's caption, in large green letters, centred near the bottom.
void DrawCaption(paint::Canvas& canvas, std::string_view text);

}  // namespace talvora::champions
