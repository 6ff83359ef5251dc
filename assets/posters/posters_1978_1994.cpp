#include <vector>

#include "assets/motifs/football.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/effects.h"
#include "assets/posters/poster_kit.h"

namespace talvora::posters {

using paint::Canvas;
using paint::Path;
using paint::Point;

// The sun of May with the ball for its face, on the sky blue and white.
void PaintArgentina1978(Canvas& canvas) {
  canvas.FillRect({0, 0, 110, 40}, 0x74ACDF);
  canvas.FillRect({0, 40, 110, 64}, 0xFAFAF6);
  canvas.FillRect({0, 104, 110, 50}, 0x74ACDF);
  paint::DrawRays(
      canvas,
      {.centre = {55.0, 72.0}, .count = 32, .length = 31.0, .first = 0xF6B40E, .second = 0xE0961A});
  canvas.Fill(Path().AddCircle({55.0, 72.0}, 19.0), 0x85340A);
  motifs::PaintFootball(canvas, {55.0, 72.0}, 17.5, 0.38);
  Caption(canvas, 10, "1978", Lettering(kWhite, 3, 0x2E6AA0));
  Caption(canvas, 114, "ARGENTINA", Lettering(kWhite, 2, 0x2E6AA0));
  canvas.FillRect({20, 135, 70, 2}, kWhite);
  DrawBorder(canvas, 0x2E6AA0, 2);
  PrintGrain(canvas, 1978, 2);
}

// Bold shapes, stars and black lines on white, in the manner of a Catalan
// painter, the ball among them.
void PaintEspana1982(Canvas& canvas) {
  canvas.PaintAll([](double, double, Pixel) { return Pixel{0xF6F0E0}; });
  const auto blot = [&canvas](Point centre, double rx, double ry, Pixel color) {
    canvas.Fill(Path().AddEllipse(centre, rx + 2.0, ry + 2.0), 0x111111);
    canvas.Fill(Path().AddEllipse(centre, rx, ry), color);
  };
  blot({34.0, 40.0}, 22.0, 17.0, 0xD81E2A);
  blot({84.0, 24.0}, 11.0, 11.0, 0xF8C81C);
  blot({86.0, 86.0}, 13.0, 8.0, 0x1E4AA8);
  blot({20.0, 90.0}, 7.0, 7.0, 0x1E9A4A);
  canvas.Fill(
      Path().AddStroke(
          std::vector<Point>{{6.0, 66.0}, {30.0, 72.0}, {52.0, 62.0}, {74.0, 54.0}, {104.0, 60.0}},
          2.5),
      0x111111);
  canvas.Fill(Path().AddStroke(std::vector<Point>{{60.0, 8.0}, {56.0, 30.0}, {66.0, 50.0}}, 2.0),
              0x111111);
  for (const Point& star : {Point{10.0, 100.0}, Point{16.0, 16.0}, Point{100.0, 46.0}}) {
    Path asterisk;
    for (int arm = 0; arm < 3; ++arm) {
      const double turns = arm / 6.0;
      const Point tip{6.0 * paint::SinTurns(turns), -6.0 * paint::CosTurns(turns)};
      asterisk.AddLine({star.x - tip.x, star.y - tip.y}, {star.x + tip.x, star.y + tip.y}, 1.6);
    }
    canvas.Fill(asterisk, 0x111111);
  }
  canvas.Fill(Path().AddCircle({52.0, 86.0}, 15.5), 0x111111);
  motifs::PaintFootball(canvas, {52.0, 86.0}, 13.5, 0.22);
  Caption(canvas, 110, "ESPAÑA", Lettering(0xD81E2A, 2, 0x111111));
  Caption(canvas, 128, "1982", Lettering(0x111111, 3, 0xF8C81C));
  DrawBorder(canvas, 0x111111, 2);
  PrintGrain(canvas, 1982, 2);
}

// A sunset over a stepped pyramid, the ball for the sun.
void PaintMexico1986(Canvas& canvas) {
  FillGradient(canvas, 0xFFA21E, 0x8A1E5A);
  paint::DrawRays(canvas, {.centre = {55.0, 70.0},
                           .count = 20,
                           .length = 90.0,
                           .first = 0xFFE07A,
                           .second = 0xFFC04A,
                           .alpha = 110,
                           .fade = true});
  paint::DrawGlow(canvas, {55.0, 70.0}, 34.0, 0xFFF0B0, paint::kOpaque);
  motifs::PaintFootball(canvas, {55.0, 70.0}, 17.0, 0.02);
  Path pyramid;
  for (int step = 0; step < 5; ++step) {
    const double half = 52.0 - step * 9.0;
    pyramid.AddRect(55.0 - half, 118.0 - (step + 1) * 7.0, 2.0 * half, 7.5);
  }
  pyramid.AddRect(47.0, 76.0, 16.0, 8.0);
  canvas.Fill(pyramid, 0x2E0C2A);
  canvas.FillRect({51, 79, 8, 5}, 0xFFB03A);
  canvas.FillRect({0, 118, 110, 36}, 0x2E0C2A);
  Caption(canvas, 8, "1986", Lettering(0x4A0A3A, 3, 0xFFD070));
  Caption(canvas, 128, "MÉXICO", Lettering(0xFFC83A, 2, 0x000000));
  DrawBorder(canvas, 0x2E0C2A, 2);
  PrintGrain(canvas, 1986, 2);
}

// The arches of the Colosseum, the ball rising over them, the tricolour below.
void PaintItalia1990(Canvas& canvas) {
  FillGradient(canvas, 0x9CC8F0, 0xF4EEE0);
  motifs::PaintFootball(canvas, {55.0, 50.0}, 13.0, 0.29);
  canvas.Shade(Path().AddPolygon({{4.0, 124.0},
                                  {4.0, 70.0},
                                  {30.0, 65.0},
                                  {55.0, 63.5},
                                  {80.0, 65.0},
                                  {106.0, 70.0},
                                  {106.0, 124.0}}),
               [](double x, double y) {
                 const double light = 1.0 - paint::Abs(x - 40.0) / 120.0 - (y - 64.0) / 400.0;
                 return paint::Scale(0xE0C08C, light);
               });
  for (int tier = 0; tier < 3; ++tier) {
    const double top = 72.0 + tier * 17.0;
    canvas.FillRect({4, static_cast<int>(top) - 2, 102, 1}, 0x9A7A4A);
    for (int arch = 0; arch < 7; ++arch) {
      const double left = 8.0 + arch * 14.0;
      Path opening;
      opening.AddRect(left, top + 4.0, 8.0, 9.0).AddCircle({left + 4.0, top + 4.0}, 4.0);
      canvas.Fill(opening, 0x4A2E1A);
    }
  }
  canvas.FillRect({0, 124, 37, 6}, 0x009246);
  canvas.FillRect({37, 124, 36, 6}, kWhite);
  canvas.FillRect({73, 124, 37, 6}, 0xCE2B37);
  canvas.FillRect({0, 130, 110, 24}, 0xF4EEE0);
  Caption(canvas, 8, "1990", Lettering(0x009246, 3, 0x2A5A3A));
  Caption(canvas, 135, "ITALIA", Lettering(0xCE2B37, 2, 0x9A8A70));
  DrawBorder(canvas, 0x5A4A30, 1);
  PrintGrain(canvas, 1990, 2);
}

// Stars and stripes streaming behind a ball in flight.
void PaintUsa1994(Canvas& canvas) {
  FillGradient(canvas, 0x0A1A5A, 0x14286E);
  for (int stripe = 0; stripe < 6; ++stripe) {
    std::vector<Point> wave;
    for (int i = 0; i <= 22; ++i) {
      const double x = -4.0 + i * 5.5;
      wave.push_back({x, 96.0 - stripe * 7.0 - x * 0.45 + 4.0 * paint::SinTurns(x / 60.0)});
    }
    canvas.Fill(Path().AddStroke(wave, 5.0), stripe % 2 == 0 ? 0xD22234 : 0xF4F4F4);
  }
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4 - row % 2; ++column) {
      const Point star{10.0 + column * 11.0 + (row % 2) * 5.5, 10.0 + row * 10.0};
      canvas.Fill(Path().AddStar(star, 3.6, 1.5, 5, 0.0), kWhite);
    }
  }
  motifs::PaintFootball(canvas, {84.0, 30.0}, 15.0, 0.14);
  Caption(canvas, 95, "USA", Lettering(kWhite, 4, 0xD22234));
  Caption(canvas, 129, "1994", Lettering(0xD22234, 3, 0x02082A));
  DrawBorder(canvas, 0xD22234, 2);
  PrintGrain(canvas, 1994, 2);
}

}  // namespace talvora::posters
