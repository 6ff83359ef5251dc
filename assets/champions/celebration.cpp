#include "assets/champions/celebration.h"

#include <vector>

#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/effects.h"
#include "assets/paint/pixel_font.h"
#include "assets/paint/scatter.h"

namespace talvora::champions {

using paint::Canvas;
using paint::Path;
using paint::Point;

namespace {

constexpr Pixel kFlagGreen = 0x009C3B;
constexpr Pixel kFlagYellow = 0xFFDF00;
constexpr Pixel kFlagBlue = 0x002776;

// The flag's own picture at (u, v) in [0, 1] x [0, 1].
Pixel FlagAt(double u, double v) {
  const double x = (u - 0.5) * 10.0;  // the flag is 10 x 7
  const double y = (v - 0.5) * 7.0;
  const double cx = x / 4.15;
  const double cy = y / 2.9;
  if (x * x + y * y < 1.75 * 1.75) {
    // The white band arcs across the blue globe.
    const double bx = x;
    const double by = y + 3.6;
    const double band = paint::SafeSqrt(bx * bx + by * by);
    if (band > 3.55 && band < 3.85) return kWhite;
    const double star = paint::Fraction(x * 2.7 + y * 1.9) * paint::Fraction(x * 1.3 - y * 3.1);
    return star > 0.86 && band > 3.85 ? kWhite : kFlagBlue;
  }
  if (paint::Abs(cx) + paint::Abs(cy) < 1.0) return kFlagYellow;
  return kFlagGreen;
}

}  // namespace

void DrawWavingFlag(Canvas& canvas, const motifs::Box& box, double phase) {
  const double amplitude = box.height * 0.07;
  const auto wave = [&](double u) { return amplitude * paint::SinTurns(u * 1.3 + phase) * u; };
  std::vector<Point> outline;
  constexpr int kSteps = 40;
  for (int i = 0; i <= kSteps; ++i) {
    const double u = static_cast<double>(i) / kSteps;
    outline.push_back({box.left + u * box.width, box.top + wave(u)});
  }
  for (int i = kSteps; i >= 0; --i) {
    const double u = static_cast<double>(i) / kSteps;
    outline.push_back({box.left + u * box.width, box.top + box.height + wave(u)});
  }
  canvas.Shade(Path().AddPolygon(std::move(outline)), [&](double x, double y) {
    const double u = paint::Clamp01((x - box.left) / box.width);
    const double v = paint::Clamp01((y - box.top - wave(u)) / box.height);
    // Light catches the folds that turn towards the upper left.
    const double slope = paint::CosTurns(u * 1.3 + phase);
    return paint::Scale(FlagAt(u, v), 0.82 + 0.22 * slope);
  });
  Path pole;
  pole.AddRect(box.left - 4.0, box.top - 6.0, 3.0, box.height * 2.4);
  canvas.Fill(pole, 0xB8B0A0);
  canvas.Fill(Path().AddCircle({box.left - 2.5, box.top - 7.0}, 3.0), 0xFFD54A);
}

namespace {}  // namespace

void DrawConfetti(Canvas& canvas, int count, double bottom, std::uint64_t seed) {
  constexpr Pixel kColors[] = {kFlagYellow, 0x22C74A, 0x3A7BFF, kWhite};
  paint::Scatter scatter(seed);
  for (int i = 0; i < count; ++i) {
    const Point centre{scatter.Between(0.0, canvas.Width()), scatter.Between(0.0, bottom)};
    const double turns = scatter.Next();
    const double length = scatter.Between(1.8, 3.2);
    const double width = scatter.Between(0.9, 1.6);
    const Point along{length * paint::SinTurns(turns), length * paint::CosTurns(turns)};
    const Point across{-width * paint::CosTurns(turns), width * paint::SinTurns(turns)};
    canvas.Fill(Path().AddPolygon({{centre.x + along.x + across.x, centre.y + along.y + across.y},
                                   {centre.x - along.x + across.x, centre.y - along.y + across.y},
                                   {centre.x - along.x - across.x, centre.y - along.y - across.y},
                                   {centre.x + along.x - across.x, centre.y + along.y - across.y}}),
                kColors[scatter.Below(4)], 230);
  }
}

void DrawTitleStars(Canvas& canvas, double centreX, double y, int count, double radius) {
  const double spacing = radius * 2.6;
  const double first = centreX - spacing * (count - 1) / 2.0;
  for (int i = 0; i < count; ++i) {
    const Point centre{first + spacing * i, y};
    canvas.Fill(Path().AddStar({centre.x + 1.0, centre.y + 1.5}, radius, radius * 0.42, 5),
                0x3A2A00, 140);
    canvas.Shade(Path().AddStar(centre, radius, radius * 0.42, 5),
                 [centre, radius](double, double py) {
                   return paint::Mix(0xFFF2A0, 0xE0A010, (py - centre.y + radius) / (2.0 * radius));
                 });
  }
}

void DrawSpotlight(Canvas& canvas, Point foot, double towardsX, double width) {
  const double height = canvas.Height();
  canvas.Paint(Path().AddPolygon({foot, {towardsX - width, -10.0}, {towardsX + width, -10.0}}),
               [foot, height](double, double y, Pixel under) {
                 const double fade = paint::Clamp01((foot.y - y) / height);
                 return paint::Over(under, 0xFFFBE0, static_cast<int>(70.0 * (1.0 - fade) + 10.0));
               });
}

void DrawFirework(Canvas& canvas, Point centre, double radius, Pixel color) {
  constexpr int kSparks = 18;
  for (int i = 0; i < kSparks; ++i) {
    const double turns = (i + 0.5 * (i % 2)) / kSparks;
    const double reach = radius * (i % 2 == 0 ? 1.0 : 0.78);
    const Point tip{centre.x + reach * paint::SinTurns(turns),
                    centre.y - reach * paint::CosTurns(turns)};
    const Point inner{centre.x + reach * 0.35 * paint::SinTurns(turns),
                      centre.y - reach * 0.35 * paint::CosTurns(turns)};
    canvas.Fill(Path().AddLine(inner, tip, 1.3), color, 190);
    canvas.Fill(Path().AddCircle(tip, 1.6), paint::Mix(color, kWhite, 0.5));
  }
  paint::DrawGlow(canvas, centre, radius * 0.6, color, 90);
}

void DrawCaption(Canvas& canvas, std::string_view text) {
  paint::TextStyle style;
  style.scaleX = 5;
  style.scaleY = 5;
  style.color = 0x20C040;
  style.outlineWidth = 2;
  style.outlineColor = kFlagYellow;
  style.shadowX = 4;
  style.shadowY = 4;
  style.shadowColor = 0x000000;
  paint::DrawTextCentred(canvas, kSceneWidth / 2, 152, text, style);
}

}  // namespace talvora::champions
