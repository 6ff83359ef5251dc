#include "assets/motifs/football.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/effects.h"
#include "assets/posters/poster_kit.h"

namespace talvora::posters {

using paint::Canvas;
using paint::Path;
using paint::Point;

// Art deco: the sun of May over the celeste and white stripes of Uruguay,
// a ball cutting across them.
void PaintUruguay1930(Canvas& canvas) {
  canvas.PaintAll([](double, double, Pixel) { return Pixel{0xF2E6C8}; });
  for (double start = -10.0; start < 190.0; start += 18.0) {
    canvas.Fill(
        Path().AddPolygon(
            {{0.0, start}, {0.0, start + 9.0}, {110.0, start + 9.0 - 77.0}, {110.0, start - 77.0}}),
        0x5FA8E0);
  }
  paint::DrawRays(canvas, {.centre = {26.0, 26.0},
                           .count = 16,
                           .length = 24.0,
                           .first = 0xF0B323,
                           .second = 0xE08A1E,
                           .alpha = 230});
  canvas.Fill(Path().AddCircle({26.0, 26.0}, 11.0), 0xF5C02E);
  canvas.Fill(Path().AddCircle({26.0, 26.0}, 8.5), 0xF9D35A);
  canvas.Fill(Path().AddStroke(std::vector<Point>{{8.0, 112.0}, {40.0, 96.0}, {68.0, 84.0}}, 3.0),
              0x1B2A5A, 120);
  motifs::PaintFootball(canvas, {80.0, 78.0}, 17.0, 0.05);
  canvas.FillRect({0, 107, 110, 47}, 0x1B2A5A);
  canvas.FillRect({0, 108, 110, 1}, 0xF0B323);
  Caption(canvas, 112, "URUGUAY", Lettering(0xF2E6C8, 2, 0x0A1230));
  Caption(canvas, 129, "1930", Lettering(0xF0B323, 3, 0x0A1230));
  DrawBorder(canvas, 0x1B2A5A, 2);
  PrintGrain(canvas, 1930, 4);
}

// The ball in glory over a tricolour sunburst, in a gilt frame.
void PaintItalia1934(Canvas& canvas) {
  FillGradient(canvas, 0x7A1018, 0x2A0508);
  paint::DrawRays(canvas, {.centre = {55.0, 62.0},
                           .count = 24,
                           .length = 140.0,
                           .first = 0x0E8A45,
                           .second = 0xF4EEDC,
                           .alpha = 150});
  paint::DrawGlow(canvas, {55.0, 62.0}, 38.0, 0xFFE8A0, paint::kOpaque);
  motifs::PaintFootball(canvas, {55.0, 62.0}, 20.0, 0.13);
  canvas.FillRect({0, 104, 110, 50}, 0xC8202C);
  canvas.FillRect({0, 104, 110, 2}, 0xE8C060);
  Caption(canvas, 110, "ITALIA", Lettering(kWhite, 2, 0x4A0A0E));
  Caption(canvas, 127, "1934", Lettering(0xF6D77A, 3, 0x4A0A0E));
  DrawBorder(canvas, 0xC9A040, 3);
  canvas.FillRect({4, 4, 102, 1}, 0x6A4A10);
  PrintGrain(canvas, 1934, 4);
}

// A ball resting on the globe under the night sky, France's colours down
// the side.
void PaintFrance1938(Canvas& canvas) {
  FillGradient(canvas, 0x0E1A44, 0x1E3A7A);
  canvas.FillRect({0, 0, 7, 154}, 0x1D3C9C);
  canvas.FillRect({7, 0, 7, 154}, 0xF2F2EC);
  canvas.FillRect({14, 0, 7, 154}, 0xD8232E);
  const Point globe{62.0, 132.0};
  canvas.Shade(Path().AddCircle(globe, 46.0), [globe](double x, double y) {
    const double dx = (x - globe.x) / 46.0;
    const double dy = (y - globe.y) / 46.0;
    const double z = paint::SafeSqrt(1.0 - dx * dx - dy * dy);
    const double meridian = paint::Fraction(dx / (z + 0.2) * 2.0);
    const double parallel = paint::Fraction(dy * 4.0);
    const bool line = meridian < 0.08 || parallel < 0.06;
    const Pixel sea = paint::Mix(0x2E6CC8, 0x0C2A66, paint::Clamp01(0.5 - 0.5 * z + dx * 0.3));
    return line ? paint::Mix(sea, 0xCFE2FF, 0.6) : sea;
  });
  constexpr Point kStars[] = {{30.0, 56.0},  {44.0, 66.0}, {92.0, 54.0}, {86.0, 72.0},
                              {100.0, 86.0}, {34.0, 82.0}, {72.0, 52.0}, {26.0, 98.0}};
  for (const Point& star : kStars) {
    canvas.Fill(Path().AddStar(star, 2.4, 0.9, 4, 0.0), 0xFFF4C0);
  }
  motifs::PaintFootball(canvas, {62.0, 74.0}, 13.0, 0.2);
  Caption(canvas, 8, "FRANCE", Lettering(kWhite, 2, 0x050A20));
  Caption(canvas, 26, "1938", Lettering(0xE8303A, 3, 0x050A20));
  DrawBorder(canvas, 0x050A20, 1);
  PrintGrain(canvas, 1938, 3);
}

// The flag of Brazil, the ball in place of its starry globe.
void PaintBrasil1950(Canvas& canvas) {
  FillGradient(canvas, 0x109A48, 0x06602A);
  canvas.Fill(Path().AddPolygon({{55.0, 8.0}, {104.0, 58.0}, {55.0, 108.0}, {6.0, 58.0}}),
              0xFFD820);
  canvas.Fill(Path().AddCircle({55.0, 58.0}, 27.0), 0x1E3C9C);
  Path band;
  band.AddStroke(std::vector<Point>{{30.0, 52.0}, {46.0, 48.0}, {64.0, 49.0}, {81.0, 56.0}}, 4.0);
  canvas.Fill(band, kWhite);
  motifs::PaintFootball(canvas, {55.0, 62.0}, 15.0, 0.31);
  canvas.FillRect({0, 111, 110, 43}, 0x0A3E1E);
  Caption(canvas, 114, "BRASIL", Lettering(0xFFD820, 2, 0x021A0A));
  Caption(canvas, 129, "1950", Lettering(kWhite, 3, 0x021A0A));
  DrawBorder(canvas, 0xFFD820, 2);
  PrintGrain(canvas, 1950, 3);
}

// The white cross over the Alps, the ball flying across the snow.
void PaintSuisse1954(Canvas& canvas) {
  FillGradient(canvas, 0xE0242E, 0x9A0E18);
  canvas.FillRect({47, 26, 16, 48}, kWhite);
  canvas.FillRect({31, 42, 48, 16}, kWhite);
  Path alps;
  alps.AddPolygon({{0.0, 154.0},
                   {0.0, 108.0},
                   {16.0, 92.0},
                   {28.0, 104.0},
                   {46.0, 82.0},
                   {62.0, 100.0},
                   {76.0, 88.0},
                   {96.0, 106.0},
                   {110.0, 96.0},
                   {110.0, 154.0}});
  canvas.Shade(alps, [](double x, double y) {
    const double shade = paint::Fraction(x / 30.0 + y / 60.0) < 0.5 ? 0.0 : 0.15;
    return paint::Mix(0xF4F8FF, 0x8A9AB8, shade + paint::Smoothstep(90.0, 154.0, y) * 0.3);
  });
  canvas.Fill(Path().AddStroke(std::vector<Point>{{14.0, 84.0}, {44.0, 72.0}, {72.0, 72.0}}, 2.0),
              kWhite, 150);
  motifs::PaintFootball(canvas, {84.0, 76.0}, 12.0, 0.4);
  Caption(canvas, 8, "SUISSE", Lettering(kWhite, 2, 0x5A0810));
  Caption(canvas, 122, "1954", Lettering(0xD8202A, 3, 0x6A7A98));
  DrawBorder(canvas, 0x5A0810, 1);
  PrintGrain(canvas, 1954, 3);
}

}  // namespace talvora::posters
