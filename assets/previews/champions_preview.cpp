#include "assets/champions/celebration.h"
#include "assets/motifs/trophies.h"
#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/effects.h"
#include "assets/paint/pixel_font.h"
#include "assets/pictures.h"

namespace talvora {
namespace {

using paint::Canvas;
using paint::Path;
using paint::Point;

constexpr int kWidth = 100;
constexpr int kHeight = 220;
constexpr double kPitchTop = 128.0;

constexpr Pixel kShirt = 0xFFD21F;
constexpr Pixel kCollar = 0x009C3B;
constexpr Pixel kShorts = 0x1A3A9A;
constexpr Pixel kHair = 0x1A120A;
constexpr Pixel kSkins[] = {0x8A5A3A, 0xD09A6A, 0x5A3A22, 0xB07A50, 0xE0B088, 0x6A4228};

// A player of the team photo in Brazil's kit, centre x and the top of his
// head given; the front row crouches, so its players are shorter.
void PaintPlayer(Canvas& canvas, double x, double top, bool crouching, Pixel skin) {
  const double shirtTop = top + 7.5;
  const double shirtBottom = shirtTop + (crouching ? 9.0 : 11.0);
  // Arms hang at the sides or rest on the knees.
  canvas.Fill(Path().AddRect(x - 7.5, shirtTop + 2.0, 15.0, crouching ? 6.0 : 8.0), skin);
  canvas.Fill(Path().AddPolygon({{x - 6.5, shirtTop},
                                 {x + 6.5, shirtTop},
                                 {x + 7.8, shirtTop + 4.0},
                                 {x + 5.5, shirtTop + 4.5},
                                 {x + 5.5, shirtBottom},
                                 {x - 5.5, shirtBottom},
                                 {x - 5.5, shirtTop + 4.5},
                                 {x - 7.8, shirtTop + 4.0}}),
              kShirt);
  canvas.Fill(Path().AddPolygon({{x - 2.5, shirtTop}, {x + 2.5, shirtTop}, {x, shirtTop + 2.5}}),
              kCollar);
  const double shortsBottom = shirtBottom + (crouching ? 4.0 : 5.5);
  canvas.Fill(Path().AddRect(x - 5.5, shirtBottom, 11.0, shortsBottom - shirtBottom), kShorts);
  if (!crouching) {
    canvas.Fill(
        Path().AddRect(x - 4.5, shortsBottom, 3.0, 3.0).AddRect(x + 1.5, shortsBottom, 3.0, 3.0),
        skin);
    canvas.Fill(Path()
                    .AddRect(x - 4.5, shortsBottom + 3.0, 3.0, 5.0)
                    .AddRect(x + 1.5, shortsBottom + 3.0, 3.0, 5.0),
                kWhite);
  }
  // Head and hair.
  canvas.Fill(Path().AddCircle({x, top + 4.0}, 3.6), skin);
  canvas.Fill(Path().AddEllipse({x, top + 1.8}, 3.6, 2.0), kHair);
}

void PaintSkyAndPitch(Canvas& canvas) {
  canvas.PaintAll([](double x, double y, Pixel) {
    if (y < kPitchTop) return paint::Mix(0x06184A, 0x1A5AA0, y / kPitchTop);
    const double stripe = paint::Fraction((y - kPitchTop + 0.3 * x) / 16.0) < 0.5 ? 1.0 : 0.9;
    return paint::Scale(paint::Mix(0x2A9A3A, 0x0E4A1A, (y - kPitchTop) / (kHeight - kPitchTop)),
                        stripe);
  });
  paint::DrawRays(canvas, {.centre = {50.0, 110.0},
                           .count = 20,
                           .length = 120.0,
                           .first = 0xFFDF00,
                           .second = 0x22C74A,
                           .alpha = 50,
                           .fade = true});
}

void PaintTeamWithTrophy(Canvas& canvas) {
  for (int i = 0; i < 6; ++i) {
    PaintPlayer(canvas, 10.0 + 16.0 * i, 84.0, false, kSkins[i]);
  }
  // The front row leaves the middle to the trophy.
  constexpr double kFrontRow[] = {9.0, 25.0, 75.0, 91.0};
  for (int i = 0; i < 4; ++i) {
    PaintPlayer(canvas, kFrontRow[i], 104.0, true, kSkins[(i + 3) % 6]);
  }
  paint::DrawGlow(canvas, {50.0, 104.0}, 34.0, 0xFFF0B0, 160);
  constexpr double kTrophyHeight = 70.0;
  constexpr double kTrophyWidth =
      kTrophyHeight * motifs::kWorldCupDesignWidth / motifs::kWorldCupDesignHeight;
  motifs::PaintWorldCupTrophy(canvas,
                              {50.0 - kTrophyWidth / 2.0, 78.0, kTrophyWidth, kTrophyHeight});
}

void PaintTitle(Canvas& canvas) {
  paint::TextStyle tetra;
  tetra.scaleX = 3;
  tetra.scaleY = 3;
  tetra.color = 0xFFDF00;
  tetra.outlineWidth = 1;
  tetra.outlineColor = 0x006A28;
  tetra.shadowX = 2;
  tetra.shadowY = 2;
  paint::DrawTextCentred(canvas, kWidth / 2, 166, "TETRA", tetra);
  paint::TextStyle years;
  years.shadowX = 1;
  years.shadowY = 1;
  paint::DrawTextCentred(canvas, kWidth / 2, 198, "58 62 70 94", years);
}

}  // namespace

Surface MakeChampionsPreview() {
  Surface preview(kWidth, kHeight, kBlack);
  Canvas canvas(preview);
  PaintSkyAndPitch(canvas);
  champions::DrawTitleStars(canvas, kWidth / 2.0, 10.0, 4, 5.0);
  // The flag's pole ends behind the players' shoulders.
  paint::Canvas aboveTeam(preview, {0, 0, kWidth, 92});
  champions::DrawWavingFlag(aboveTeam, {18.0, 24.0, 72.0, 48.0}, 0.2);
  champions::DrawConfetti(canvas, 40, 90.0, 4);
  PaintTeamWithTrophy(canvas);
  PaintTitle(canvas);
  return preview;
}

}  // namespace talvora
