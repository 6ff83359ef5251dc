#include "assets/motifs/football.h"
#include "assets/motifs/telephone.h"
#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/effects.h"
#include "assets/paint/pixel_font.h"
#include "assets/pictures.h"

namespace talvora {
namespace {

using paint::Canvas;
using paint::Path;

constexpr int kWidth = 100;
constexpr int kHeight = 220;
constexpr Pixel kTeal = 0x008080;
constexpr Pixel kRed = 0xD01C1C;

// The title box: red with a dark edge and white lettering.
void PaintTitleBox(Canvas& canvas) {
  canvas.Fill(Path().AddRoundRect(9.0, 12.0, 84.0, 46.0, 5.0), kBlack, 80);
  canvas.Fill(Path().AddRoundRect(6.0, 9.0, 84.0, 46.0, 5.0), 0x6A0808);
  canvas.Shade(Path().AddRoundRect(7.5, 10.5, 81.0, 43.0, 4.0),
               [](double, double y) { return paint::Mix(0xF04040, kRed, (y - 10.0) / 43.0); });
  paint::TextStyle title;
  title.scaleX = 2;
  title.scaleY = 2;
  title.shadowX = 1;
  title.shadowY = 1;
  title.shadowColor = 0x5A0000;
  paint::DrawTextCentred(canvas, 48, 15, "Tabela", title);
  paint::DrawTextCentred(canvas, 48, 35, "da Copa", title);
}

// The ball bouncing in from the left with its speed lines.
void PaintBall(Canvas& canvas) {
  for (const double y : {92.0, 100.0, 108.0}) {
    canvas.Fill(Path().AddLine({4.0, y}, {34.0, y}, 1.4), kWhite, 120);
  }
  paint::DrawGlow(canvas, {56.0, 100.0}, 34.0, 0x80FFF0, 70);
  canvas.Fill(Path().AddEllipse({58.0, 127.0}, 18.0, 3.5), kBlack, 70);
  motifs::PaintFootball(canvas, {56.0, 100.0}, 21.0, 0.13);
}

}  // namespace

Surface MakeTablePreview() {
  Surface preview(kWidth, kHeight, kTeal);
  Canvas canvas(preview);
  PaintTitleBox(canvas);
  PaintBall(canvas);
  // The results come in by telephone line: two sets, one behind the other.
  motifs::PaintTelephone(canvas, {44.0, 138.0}, 1.25, 0x2E3236);
  motifs::PaintTelephone(canvas, {10.0, 168.0}, 1.25, 0xEDE3C4);
  return preview;
}

}  // namespace talvora
