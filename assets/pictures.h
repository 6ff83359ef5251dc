#pragma once

#include "runtime/graphics/surface.h"

namespace talvora {

// Every picture the saver shows, drawn from code: the same pixels on every
// run and every platform. Sprites come as strips of two rows, the images on
// black above and their masks below: black exactly where the image is not
// black, white elsewhere.

// 210 x 60: seven 30 x 30 rotation frames of a football, then their masks.
Surface MakeBallStrip();

// 40 x 191: the FIFA World Cup trophy in rows 0-94, its mask in rows 95-189;
// the last row is black.
Surface MakeWorldCupTrophy();

// 35 x 193: the Jules Rimet trophy in rows 0-95, its mask in rows 96-191;
// the last row is black.
Surface MakeJulesRimetTrophy();

// 550 x 462: the fifteen World Cup posters, 1930 to 1994, in three rows of
// five 110 x 154 cells.
Surface MakePosterStrip();

// 638 x 400: Brazil's four titles in 319 x 200 quarters, "Suécia 58",
// "Chile 62", "México 70" and "USA 94".
Surface MakeChampionStrip();

// 1000 x 250: five 200 x 250 backgrounds for the results panel: blue,
// yellow, green and red with a football flying along the top, and red with
// the World Cup trophy for the final.
Surface MakeTableBackgrounds();

// 50 x 62: the green "Tabela da Copa" tile shown in the preview.
Surface MakeBadge();

}  // namespace talvora
