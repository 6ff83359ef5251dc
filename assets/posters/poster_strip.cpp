#include "assets/paint/canvas.h"
#include "assets/pictures.h"
#include "assets/posters/poster_kit.h"

namespace talvora {

Surface MakePosterStrip() {
  using Painter = void (*)(paint::Canvas&);
  // In the order of the tournaments, row by row.
  constexpr Painter kPosters[] = {
      posters::PaintUruguay1930,     posters::PaintItalia1934,    posters::PaintFrance1938,
      posters::PaintBrasil1950,      posters::PaintSuisse1954,    posters::PaintSverige1958,
      posters::PaintChile1962,       posters::PaintEngland1966,   posters::PaintMexico1970,
      posters::PaintDeutschland1974, posters::PaintArgentina1978, posters::PaintEspana1982,
      posters::PaintMexico1986,      posters::PaintItalia1990,    posters::PaintUsa1994};
  constexpr int kColumns = 5;
  Surface strip(kColumns * posters::kPosterWidth, 3 * posters::kPosterHeight, kBlack);
  for (int i = 0; i < 15; ++i) {
    paint::Canvas cell(
        strip, {(i % kColumns) * posters::kPosterWidth, (i / kColumns) * posters::kPosterHeight,
                posters::kPosterWidth, posters::kPosterHeight});
    kPosters[i](cell);
  }
  return strip;
}

}  // namespace talvora
