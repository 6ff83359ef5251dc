#include "assets/motifs/football.h"
#include "assets/motifs/trophies.h"
#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/effects.h"
#include "assets/pictures.h"

namespace talvora {
namespace {

using paint::Canvas;
using paint::Path;
using paint::Point;

constexpr int kPanelWidth = 200;
constexpr int kPanelHeight = 250;

// The games are written in white over rows 56 to 231, so every colour stays
// deep there; the tops are lighter, as if lit from above.
struct PanelColors {
  Pixel top;
  Pixel bottom;
};

constexpr PanelColors kBlue{0x2A6EE0, 0x0A1E5C};
constexpr PanelColors kYellow{0xF4C21C, 0x9C6A00};
constexpr PanelColors kGreen{0x22A84A, 0x0A4A1E};
constexpr PanelColors kRed{0xE0343A, 0x6A0A10};

void PaintGround(Canvas& canvas, const PanelColors& colors) {
  canvas.PaintAll([&colors](double x, double y, Pixel) {
    const double fall = paint::Smoothstep(-30.0, kPanelHeight + 10.0, y + 0.25 * x);
    // Broad diagonal bands, like a mown pitch seen from the stand.
    const double band = paint::Fraction((x + y * 0.6) / 44.0) < 0.5 ? 1.0 : 0.93;
    return paint::Scale(paint::Mix(colors.top, colors.bottom, fall), band);
  });
  // A faint chalk centre circle rising from the bottom edge.
  Path markings;
  markings.AddHole(paint::EllipsePoints({100.0, 262.0}, 52.0, 52.0))
      .AddCircle({100.0, 262.0}, 54.0);
  canvas.Fill(markings, kWhite, 22);
  canvas.Fill(Path().AddCircle({100.0, 262.0}, 3.0), kWhite, 30);
  // The games sit on a darker glass plate below the title.
  canvas.BlendRect({6, 52, 188, 184}, kBlack, 46);
  canvas.BlendRect({6, 52, 188, 1}, kWhite, 50);
  canvas.BlendRect({6, 235, 188, 1}, kWhite, 50);
}

// A dark outer edge and a light line just inside it.
void PaintFrame(Canvas& canvas) {
  const auto ring = [&canvas](int inset, Pixel color, int alpha) {
    const int width = kPanelWidth - 2 * inset;
    const int height = kPanelHeight - 2 * inset;
    canvas.BlendRect({inset, inset, width, 1}, color, alpha);
    canvas.BlendRect({inset, kPanelHeight - inset - 1, width, 1}, color, alpha);
    canvas.BlendRect({inset, inset + 1, 1, height - 2}, color, alpha);
    canvas.BlendRect({kPanelWidth - inset - 1, inset + 1, 1, height - 2}, color, alpha);
  };
  ring(0, kBlack, 110);
  ring(2, kWhite, 70);
}

// A football shooting in from the left along the top edge, its trail of
// speed lines fading behind it.
void PaintFlyingBall(Canvas& canvas) {
  constexpr Point kBall{176.0, 24.0};
  constexpr double kRadius = 14.0;
  const auto fading = [](double from, double to, int strongest) {
    return [from, to, strongest](double x, double, Pixel under) {
      const double t = paint::Smoothstep(from, to, x);
      return paint::Over(under, kWhite, static_cast<int>(strongest * t));
    };
  };
  canvas.Paint(Path().AddPolygon(
                   {{60.0, kBall.y}, {kBall.x, kBall.y - kRadius}, {kBall.x, kBall.y + kRadius}}),
               fading(60.0, kBall.x, 120));
  constexpr struct {
    double y, from, width;
  } kLines[] = {{12.0, 96.0, 1.4}, {19.0, 70.0, 1.8}, {29.0, 84.0, 1.8}, {36.0, 112.0, 1.4}};
  for (const auto& line : kLines) {
    canvas.Paint(Path().AddLine({line.from, line.y}, {kBall.x - 6.0, line.y}, line.width),
                 fading(line.from, kBall.x - 10.0, 200));
  }
  for (int ghost = 2; ghost >= 1; --ghost) {
    const Point centre{kBall.x - ghost * 13.0, kBall.y};
    canvas.Fill(Path().AddCircle(centre, kRadius - ghost), kWhite, 40 / ghost);
  }
  canvas.Fill(Path().AddCircle({kBall.x + 1.5, kBall.y + 2.0}, kRadius + 0.5), kBlack, 70);
  motifs::PaintFootball(canvas, kBall, kRadius, 0.11);
}

// The final: the trophy in a burst of light from behind its globe. It ends
// above the fourth row, where the final's game is written.
constexpr Point kCentre{100.0, 52.0};

void PaintTrophyInGlory(Canvas& canvas) {
  paint::DrawRays(canvas, {.centre = kCentre,
                           .count = 16,
                           .length = 170.0,
                           .first = 0xFFD86A,
                           .second = 0xFFD86A,
                           .alpha = 60,
                           .fade = true});
  paint::DrawGlow(canvas, kCentre, 60.0, 0xFFE9A0, 150);
  constexpr double kTop = 14.0;
  constexpr double kHeight = 126.0;
  constexpr double kWidth = kHeight * motifs::kWorldCupDesignWidth / motifs::kWorldCupDesignHeight;
  motifs::PaintWorldCupTrophy(canvas, {100.0 - kWidth / 2.0, kTop, kWidth, kHeight});
}

void PaintPanel(Surface& strip, int index, const PanelColors& colors, bool final) {
  Canvas canvas(strip, {index * kPanelWidth, 0, kPanelWidth, kPanelHeight});
  PaintGround(canvas, colors);
  if (final) {
    PaintTrophyInGlory(canvas);
  } else {
    PaintFlyingBall(canvas);
  }
  PaintFrame(canvas);
}

}  // namespace

Surface MakeTableBackgrounds() {
  Surface strip(5 * kPanelWidth, kPanelHeight, kBlack);
  PaintPanel(strip, 0, kBlue, false);
  PaintPanel(strip, 1, kYellow, false);
  PaintPanel(strip, 2, kGreen, false);
  PaintPanel(strip, 3, kRed, false);
  PaintPanel(strip, 4, kRed, true);
  return strip;
}

}  // namespace talvora
