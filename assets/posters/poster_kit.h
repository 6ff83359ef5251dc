#pragma once

#include <string_view>

#include "assets/paint/canvas.h"
#include "assets/paint/pixel_font.h"

namespace talvora::posters {

inline constexpr int kPosterWidth = 110;
inline constexpr int kPosterHeight = 154;
inline constexpr int kPosterCentreX = kPosterWidth / 2;

// One poster per World Cup, each drawn into a 110 x 154 canvas.
void PaintUruguay1930(paint::Canvas& canvas);
void PaintItalia1934(paint::Canvas& canvas);
void PaintFrance1938(paint::Canvas& canvas);
void PaintBrasil1950(paint::Canvas& canvas);
void PaintSuisse1954(paint::Canvas& canvas);
void PaintSverige1958(paint::Canvas& canvas);
void PaintChile1962(paint::Canvas& canvas);
void PaintEngland1966(paint::Canvas& canvas);
void PaintMexico1970(paint::Canvas& canvas);
void PaintDeutschland1974(paint::Canvas& canvas);
void PaintArgentina1978(paint::Canvas& canvas);
void PaintEspana1982(paint::Canvas& canvas);
void PaintMexico1986(paint::Canvas& canvas);
void PaintItalia1990(paint::Canvas& canvas);
void PaintUsa1994(paint::Canvas& canvas);

// What the posters share.

// A top-to-bottom blend over the whole canvas.
void FillGradient(paint::Canvas& canvas, Pixel top, Pixel bottom);

// A frame of whole pixels just inside the edges.
void DrawBorder(paint::Canvas& canvas, Pixel color, int width);

// Letters of the given colour and scale with a drop shadow.
paint::TextStyle Lettering(Pixel color, int scale, Pixel shadow);

// The text centred across the poster.
void Caption(paint::Canvas& canvas, int capTop, std::string_view text,
             const paint::TextStyle& style);

// A faint irregular grain, as of ink on paper; each poster has its own.
void PrintGrain(paint::Canvas& canvas, int seed, int strength);

}  // namespace talvora::posters
