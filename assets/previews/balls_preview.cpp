#include "assets/motifs/football.h"
#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/scatter.h"
#include "assets/pictures.h"

namespace talvora {
namespace {

using paint::Canvas;
using paint::Path;
using paint::Point;

constexpr int kWidth = 100;
constexpr int kHeight = 220;
// Where the balls come from, far away in the middle of the screen.
constexpr Point kVanishing{50.0, 110.0};

struct FlyingBall {
  Point centre;
  double radius;
  double spin;
};

// The nearer a ball, the bigger and the farther out.
constexpr FlyingBall kBalls[] = {
    {{61.0, 88.0}, 8.0, 0.05},
    {{26.0, 48.0}, 16.0, 0.21},
    {{63.0, 172.0}, 26.0, 0.37},
};

// A few faint specks streaking away from the middle, for the sense of speed.
void PaintStreaks(Canvas& canvas) {
  paint::Scatter scatter(1998);
  for (int i = 0; i < 28; ++i) {
    const double turns = scatter.Next();
    const double from = scatter.Between(10.0, 40.0);
    const double to = from + scatter.Between(6.0, 22.0);
    const Point direction{paint::SinTurns(turns), -paint::CosTurns(turns)};
    const Point start{kVanishing.x + from * direction.x, kVanishing.y + from * direction.y};
    const Point end{kVanishing.x + to * direction.x, kVanishing.y + to * direction.y};
    canvas.Fill(Path().AddLine(start, end, 0.8), 0x8090B0,
                static_cast<int>(scatter.Between(30, 80)));
  }
}

// The trail: a cone of light from behind the ball back towards the middle,
// fading as it goes, and two fainter copies of the ball along it.
void PaintTrail(Canvas& canvas, const FlyingBall& ball) {
  const double dx = ball.centre.x - kVanishing.x;
  const double dy = ball.centre.y - kVanishing.y;
  const double distance = paint::SafeSqrt(dx * dx + dy * dy);
  const Point along{dx / distance, dy / distance};
  const Point across{-along.y, along.x};
  const double length = ball.radius * 2.6;
  const Point tail{ball.centre.x - along.x * length, ball.centre.y - along.y * length};
  const double r = ball.radius * 0.92;
  canvas.Paint(Path().AddPolygon({tail,
                                  {ball.centre.x + across.x * r, ball.centre.y + across.y * r},
                                  {ball.centre.x - across.x * r, ball.centre.y - across.y * r}}),
               [&](double x, double y, Pixel under) {
                 const double behind =
                     ((ball.centre.x - x) * along.x + (ball.centre.y - y) * along.y) / length;
                 const double strength = paint::Clamp01(1.0 - behind);
                 return paint::Over(under, 0xC8D8FF, static_cast<int>(150.0 * strength * strength));
               });
  for (int ghost = 2; ghost >= 1; --ghost) {
    const double back = ghost * ball.radius * 0.55;
    const Point centre{ball.centre.x - along.x * back, ball.centre.y - along.y * back};
    canvas.Fill(Path().AddCircle(centre, ball.radius * (1.0 - 0.12 * ghost)), 0xE0E8FF, 30 / ghost);
  }
}

}  // namespace

Surface MakeBallsPreview() {
  Surface preview(kWidth, kHeight, kBlack);
  Canvas canvas(preview);
  PaintStreaks(canvas);
  for (const FlyingBall& ball : kBalls) {
    PaintTrail(canvas, ball);
    motifs::PaintFootball(canvas, ball.centre, ball.radius, ball.spin);
  }
  return preview;
}

}  // namespace talvora
