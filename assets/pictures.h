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

// The setup dialog's still previews of the scenes, 100 x 220 each.

// Three footballs of different sizes flying out of the middle, on black.
Surface MakeBallsPreview();
// The World Cup trophy and the Jules Rimet cup together, on black.
Surface MakeTrophiesPreview();
// The Jules Rimet cup alone, on black.
Surface MakeJulesRimetPreview();
// The World Cup trophy alone, on black.
Surface MakeWorldCupPreview();
// 100 x 221: World Cup posters shrunk and laid over each other.
Surface MakePosterCollagePreview();
// Brazil's four title-winning teams with the trophy.
Surface MakeChampionsPreview();
// A football, two telephones and a red "Tabela da Copa" box on teal.
Surface MakeTablePreview();

// A picture on a clear ground: its colours, and in opacity how much of each
// pixel it covers, as a grey from black (clear) to white (opaque). The
// colours carry on past the picture's edge, so a partly covered pixel holds
// the picture's own colour, unmixed with any ground.
struct ClearPicture {
  Surface color;
  Surface opacity;
};

// The product's icon, size x size (16, 32 and 48 are used): a football on a
// clear ground. The module's icon file is written from it.
ClearPicture MakeProductIconLayers(int size);

// The icon laid on a solid background, as a dialog shows it.
Surface MakeProductIcon(int size, Pixel background);

// A monochrome cursor as Windows draws one: each screen pixel becomes
// (screen AND mask) XOR image. So mask black and image black or white paint
// that colour, mask white and image black leave the screen as it is. Every
// pixel of both is kBlack or kWhite.
struct CursorPicture {
  Surface image;
  Surface mask;
  int hotX = 0;
  int hotY = 0;
};

// 32 x 32: the pointing hand shown over links, a white glove with a black
// outline, its index finger up; the hot spot (13, 9) is the finger's tip.
CursorPicture MakeHandCursor();

}  // namespace talvora
