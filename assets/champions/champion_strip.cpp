#include "assets/champions/celebration.h"
#include "assets/motifs/trophies.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/effects.h"
#include "assets/pictures.h"

namespace talvora {
namespace {

using champions::kSceneHeight;
using champions::kSceneWidth;
using paint::Canvas;
using paint::Path;
using paint::Point;

void FillSky(Canvas& canvas, Pixel top, Pixel bottom) {
  canvas.PaintAll(
      [=](double, double y, Pixel) { return paint::Mix(top, bottom, y / kSceneHeight); });
}

motifs::Box JulesRimetBox(double centreX, double top, double height) {
  const double width = height * motifs::kJulesRimetDesignWidth / motifs::kJulesRimetDesignHeight;
  return {centreX - width / 2.0, top, width, height};
}

motifs::Box WorldCupBox(double centreX, double top, double height) {
  const double width = height * motifs::kWorldCupDesignWidth / motifs::kWorldCupDesignHeight;
  return {centreX - width / 2.0, top, width, height};
}

// Sweden 1958, the first title: a northern summer night, the new trophy in
// the spotlights.
void PaintSweden1958(Canvas& canvas) {
  FillSky(canvas, 0x04123A, 0x0C3A7A);
  champions::DrawSpotlight(canvas, {40.0, 210.0}, 90.0, 30.0);
  champions::DrawSpotlight(canvas, {280.0, 210.0}, 70.0, 26.0);
  paint::DrawGlow(canvas, {70.0, 70.0}, 70.0, 0xFFE9A0, 150);
  motifs::PaintJulesRimetTrophy(canvas, JulesRimetBox(70.0, 14.0, 124.0));
  champions::DrawWavingFlag(canvas, {150.0, 30.0, 140.0, 96.0}, 0.1);
  champions::DrawTitleStars(canvas, 220.0, 14.0, 1, 9.0);
  champions::DrawConfetti(canvas, 70, 140.0, 58);
  champions::DrawCrowd(canvas, 136.0, 0x0A1A3A, 1958);
  champions::DrawCaption(canvas, "Suécia 58");
}

// Chile 1962, the second: the Andes at sunset behind the cup.
void PaintChile1962(Canvas& canvas) {
  FillSky(canvas, 0x2A0E4A, 0xF08A3A);
  paint::DrawGlow(canvas, {160.0, 120.0}, 120.0, 0xFFD080, 120);
  Path andes;
  andes.AddPolygon({{0.0, 150.0},
                    {0.0, 96.0},
                    {40.0, 70.0},
                    {72.0, 92.0},
                    {112.0, 58.0},
                    {150.0, 88.0},
                    {196.0, 64.0},
                    {236.0, 94.0},
                    {280.0, 66.0},
                    {319.0, 86.0},
                    {319.0, 150.0}});
  canvas.Fill(andes, 0x4A2A5A);
  Path snow;
  for (const Point& peak :
       {Point{40.0, 70.0}, Point{112.0, 58.0}, Point{196.0, 64.0}, Point{280.0, 66.0}}) {
    snow.AddPolygon({{peak.x - 10.0, peak.y + 7.0},
                     peak,
                     {peak.x + 10.0, peak.y + 7.0},
                     {peak.x + 3.0, peak.y + 5.0},
                     {peak.x - 3.0, peak.y + 8.0}});
  }
  canvas.Fill(snow, 0xF4E8F0);
  champions::DrawWavingFlag(canvas, {28.0, 24.0, 120.0, 82.0}, 0.35);
  paint::DrawGlow(canvas, {238.0, 74.0}, 64.0, 0xFFF0B0, 170);
  motifs::PaintJulesRimetTrophy(canvas, JulesRimetBox(238.0, 12.0, 124.0));
  champions::DrawTitleStars(canvas, 88.0, 12.0, 2, 8.0);
  champions::DrawConfetti(canvas, 60, 140.0, 62);
  champions::DrawCrowd(canvas, 138.0, 0x2A1030, 1962);
  champions::DrawCaption(canvas, "Chile 62");
}

// Mexico 1970, the third, which won the Jules Rimet trophy for good: a
// burst of green and gold.
void PaintMexico1970(Canvas& canvas) {
  FillSky(canvas, 0x0A3A1A, 0x02140A);
  const Point centre{160.0, 70.0};
  paint::DrawRays(canvas, {.centre = centre,
                           .count = 24,
                           .length = 260.0,
                           .first = 0xFFDF00,
                           .second = 0x22C74A,
                           .alpha = 70});
  paint::DrawGlow(canvas, centre, 90.0, 0xFFF2B0, 200);
  champions::DrawFirework(canvas, {48.0, 40.0}, 26.0, 0xFFDF00);
  champions::DrawFirework(canvas, {274.0, 46.0}, 24.0, 0x5CF08A);
  champions::DrawTitleStars(canvas, 160.0, 13.0, 3, 7.0);
  motifs::PaintJulesRimetTrophy(canvas, JulesRimetBox(160.0, 26.0, 122.0));
  champions::DrawConfetti(canvas, 90, 140.0, 70);
  champions::DrawCrowd(canvas, 134.0, 0x062A12, 1970);
  champions::DrawCaption(canvas, "México 70");
}

// USA 1994, the fourth: fireworks over the stadium and the new trophy.
void PaintUsa1994(Canvas& canvas) {
  FillSky(canvas, 0x02061E, 0x101C4A);
  champions::DrawFirework(canvas, {56.0, 42.0}, 30.0, 0xFF4A5A);
  champions::DrawFirework(canvas, {120.0, 24.0}, 18.0, 0xFFDF00);
  champions::DrawFirework(canvas, {262.0, 30.0}, 24.0, 0x4AA0FF);
  champions::DrawFirework(canvas, {300.0, 92.0}, 14.0, 0x5CF08A);
  champions::DrawSpotlight(canvas, {200.0, 210.0}, 180.0, 24.0);
  champions::DrawWavingFlag(canvas, {40.0, 64.0, 110.0, 74.0}, 0.6);
  paint::DrawGlow(canvas, {210.0, 76.0}, 66.0, 0xFFE9A0, 170);
  motifs::PaintWorldCupTrophy(canvas, WorldCupBox(210.0, 10.0, 134.0));
  champions::DrawTitleStars(canvas, 95.0, 46.0, 4, 7.0);
  champions::DrawConfetti(canvas, 80, 140.0, 94);
  champions::DrawCrowd(canvas, 136.0, 0x0A0E2A, 1994);
  champions::DrawCaption(canvas, "USA 94");
}

}  // namespace

Surface MakeChampionStrip() {
  using Painter = void (*)(Canvas&);
  // Top left, top right, bottom left, bottom right.
  constexpr Painter kScenes[] = {PaintSweden1958, PaintChile1962, PaintMexico1970, PaintUsa1994};
  Surface strip(2 * kSceneWidth, 2 * kSceneHeight, kBlack);
  for (int i = 0; i < 4; ++i) {
    Canvas scene(strip, {(i % 2) * kSceneWidth, (i / 2) * kSceneHeight, kSceneWidth, kSceneHeight});
    kScenes[i](scene);
  }
  return strip;
}

}  // namespace talvora
