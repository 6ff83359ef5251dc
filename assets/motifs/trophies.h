#pragma once

#include "assets/paint/canvas.h"

namespace talvora::motifs {

// A rectangle in pixels with fractional edges; a trophy is fitted into it.
struct Box {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// The FIFA World Cup trophy: two gold figures spiralling up to hold the
// globe, on a base with two malachite-green bands. Designed 40 x 95.
void PaintWorldCupTrophy(paint::Canvas& canvas, const Box& box);

// The Jules Rimet trophy: a gold winged victory raising an octagonal cup,
// on a lapis-lazuli base with a gold plaque. Designed 35 x 96.
void PaintJulesRimetTrophy(paint::Canvas& canvas, const Box& box);

inline constexpr double kWorldCupDesignWidth = 40.0;
inline constexpr double kWorldCupDesignHeight = 95.0;
inline constexpr double kJulesRimetDesignWidth = 35.0;
inline constexpr double kJulesRimetDesignHeight = 96.0;

}  // namespace talvora::motifs
