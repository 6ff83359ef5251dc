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

// The Nordic cross of Sweden under floodlights, the ball at its heart.
void PaintSverige1958(Canvas& canvas) {
  FillGradient(canvas, 0x0C5EB4, 0x05306A);
  for (const double side : {0.0, 110.0}) {
    canvas.Fill(Path().AddPolygon({{side, 0.0},
                                   {55.0 + (side - 55.0) * 0.1, 104.0},
                                   {55.0 - (side - 55.0) * 0.5, 104.0}}),
                kWhite, 28);
  }
  canvas.FillRect({28, 0, 16, 104}, 0xFECC02);
  canvas.FillRect({0, 52, 110, 16}, 0xFECC02);
  paint::DrawGlow(canvas, {36.0, 60.0}, 32.0, 0xFFF3B0, 220);
  motifs::PaintFootball(canvas, {36.0, 60.0}, 15.0, 0.27);
  canvas.FillRect({0, 104, 110, 50}, 0x043060);
  canvas.FillRect({0, 104, 110, 2}, 0xFECC02);
  Caption(canvas, 111, "SVERIGE", Lettering(0xFECC02, 2, 0x01142E));
  Caption(canvas, 128, "1958", Lettering(kWhite, 3, 0x01142E));
  DrawBorder(canvas, 0x01142E, 1);
  PrintGrain(canvas, 1958, 3);
}

// The ball rising like a moon over the snows of the Andes, under Chile's star.
void PaintChile1962(Canvas& canvas) {
  FillGradient(canvas, 0x0A2466, 0x7FB2E0);
  canvas.Fill(Path().AddStar({24.0, 26.0}, 13.0, 5.2, 5, 0.0), kWhite);
  motifs::PaintFootball(canvas, {76.0, 50.0}, 16.0, 0.45);
  Path far;
  far.AddPolygon({{0.0, 110.0},
                  {0.0, 76.0},
                  {18.0, 62.0},
                  {34.0, 74.0},
                  {52.0, 56.0},
                  {70.0, 72.0},
                  {90.0, 60.0},
                  {110.0, 74.0},
                  {110.0, 110.0}});
  canvas.Fill(far, 0x6E5E94);
  Path snow;
  snow.AddPolygon({{12.0, 67.0}, {18.0, 62.0}, {24.0, 66.5}, {20.0, 68.0}, {17.0, 66.0}})
      .AddPolygon({{45.0, 63.0}, {52.0, 56.0}, {59.0, 62.5}, {55.0, 61.0}, {51.0, 64.0}})
      .AddPolygon({{83.0, 64.5}, {90.0, 60.0}, {97.0, 64.5}, {92.0, 63.5}, {88.0, 66.0}});
  canvas.Fill(snow, 0xF4F6FF);
  Path near;
  near.AddPolygon({{0.0, 110.0},
                   {0.0, 92.0},
                   {26.0, 80.0},
                   {44.0, 90.0},
                   {66.0, 78.0},
                   {88.0, 92.0},
                   {110.0, 84.0},
                   {110.0, 110.0}});
  canvas.Fill(near, 0x4A3048);
  canvas.FillRect({0, 106, 110, 48}, 0xD52B1E);
  canvas.FillRect({0, 106, 110, 2}, kWhite);
  Caption(canvas, 112, "CHILE", Lettering(kWhite, 2, 0x6A0A08));
  Caption(canvas, 129, "1962", Lettering(kWhite, 3, 0x6A0A08));
  DrawBorder(canvas, 0x061640, 1);
  PrintGrain(canvas, 1962, 3);
}

// The Union flag with the ball on a white roundel.
void PaintEngland1966(Canvas& canvas) {
  canvas.FillRect({0, 0, 110, 100}, 0x0B2A78);
  const auto diagonals = [&canvas](double width, Pixel color) {
    Path cross;
    cross.AddLine({0.0, 0.0}, {110.0, 100.0}, width).AddLine({110.0, 0.0}, {0.0, 100.0}, width);
    canvas.Fill(cross, color);
  };
  diagonals(16.0, kWhite);
  diagonals(6.0, 0xC8102E);
  canvas.FillRect({45, 0, 20, 100}, kWhite);
  canvas.FillRect({0, 40, 110, 20}, kWhite);
  canvas.FillRect({49, 0, 12, 100}, 0xC8102E);
  canvas.FillRect({0, 44, 110, 12}, 0xC8102E);
  canvas.Fill(Path().AddCircle({55.0, 50.0}, 27.0), 0x0B2A78);
  canvas.Fill(Path().AddCircle({55.0, 50.0}, 24.0), kWhite);
  motifs::PaintFootball(canvas, {55.0, 50.0}, 17.0, 0.33);
  canvas.FillRect({0, 100, 110, 54}, 0xF6F3EA);
  canvas.FillRect({0, 100, 110, 3}, 0xC8102E);
  Caption(canvas, 110, "ENGLAND", Lettering(0xC8102E, 2, 0xB8B2A4));
  Caption(canvas, 128, "1966", Lettering(0x0B2A78, 3, 0xB8B2A4));
  DrawBorder(canvas, 0x0B2A78, 2);
  PrintGrain(canvas, 1966, 3);
}

// Op-art rings in the style of the time, green, white and red, spreading
// out from the ball.
void PaintMexico1970(Canvas& canvas) {
  canvas.PaintAll([](double x, double y, Pixel) {
    const double dx = x - 55.0;
    const double dy = (y - 56.0) * 1.15;
    const double distance = paint::SafeSqrt(dx * dx + dy * dy) / 5.0;
    const int ring = paint::FloorToInt(distance);
    const double edge = paint::Min(distance - ring, ring + 1 - distance) * 5.0;
    constexpr Pixel kRings[] = {0x006847, 0xF8F6EE, 0x111111, 0xF8F6EE, 0xCE1126, 0xF8F6EE};
    const Pixel color = kRings[static_cast<std::size_t>(ring % 6)];
    // Soften the boundaries to a pixel's width.
    return paint::Mix(0x888888, color, paint::Smoothstep(0.0, 1.0, edge) * 0.5 + 0.5);
  });
  canvas.Fill(Path().AddCircle({55.0, 56.0}, 22.0), 0xF8F6EE);
  motifs::PaintFootball(canvas, {55.0, 56.0}, 19.0, 0.18);
  canvas.FillRect({0, 104, 110, 50}, 0xF8F6EE);
  canvas.FillRect({0, 104, 110, 2}, 0x111111);
  Caption(canvas, 113, "MÉXICO", Lettering(0x006847, 2, 0xB8C8B8));
  Caption(canvas, 130, "1970", Lettering(0xCE1126, 3, 0xE0B8B8));
  DrawBorder(canvas, 0x111111, 2);
  PrintGrain(canvas, 1970, 2);
}

// Black, red and gold, crossed by the curve of a shot.
void PaintDeutschland1974(Canvas& canvas) {
  canvas.FillRect({0, 0, 110, 44}, 0x141414);
  canvas.FillRect({0, 44, 110, 40}, 0xDD0000);
  canvas.FillRect({0, 84, 110, 40}, 0xFFCE00);
  canvas.FillRect({0, 124, 110, 30}, 0x141414);
  // The ball's flight, drawn three times over, fading, as in a fast photograph.
  for (int arc = 0; arc < 3; ++arc) {
    std::vector<Point> flight;
    for (int i = 0; i <= 24; ++i) {
      const double t = i / 24.0;
      flight.push_back({4.0 + t * 80.0, 122.0 - arc * 7.0 - 70.0 * t * (1.6 - t)});
    }
    canvas.Fill(Path().AddStroke(flight, 4.0 - arc), arc == 1 ? 0x141414 : kWhite, 230 - arc * 50);
  }
  motifs::PaintFootball(canvas, {86.0, 66.0}, 15.0, 0.09);
  Caption(canvas, 9, "1974", Lettering(0xFFCE00, 4, 0x5A0000));
  paint::TextStyle name = Lettering(kWhite, 1, 0x5A5A5A);
  name.scaleY = 2;
  name.bold = 1;
  Caption(canvas, 132, "DEUTSCHLAND", name);
  DrawBorder(canvas, 0x141414, 2);
  PrintGrain(canvas, 1974, 3);
}

}  // namespace talvora::posters
