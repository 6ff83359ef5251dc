#include "assets/motifs/football.h"
#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/pixel_font.h"
#include "assets/pictures.h"

namespace talvora {

Surface MakeBadge() {
  constexpr int kWidth = 50;
  constexpr int kHeight = 62;
  Surface badge(kWidth, kHeight, kBlack);
  paint::Canvas canvas(badge);
  canvas.Fill(paint::Path().AddRoundRect(0.0, 0.0, kWidth, kHeight, 7.0), 0xFFD21F);
  canvas.Shade(paint::Path().AddRoundRect(2.0, 2.0, kWidth - 4.0, kHeight - 4.0, 5.0),
               [](double x, double y) {
                 const double fall = paint::Smoothstep(0.0, kHeight, y + 0.3 * x);
                 return paint::Mix(0x2BB356, 0x0A5022, fall);
               });
  // A pale gleam across the upper half, as on an enamel pin.
  canvas.Fill(paint::Path().AddPolygon({{2.0, 2.0}, {48.0, 2.0}, {48.0, 8.0}, {2.0, 26.0}}), kWhite,
              26);

  paint::TextStyle title;
  title.bold = 1;
  title.shadowX = 1;
  title.shadowY = 1;
  title.shadowColor = 0x06361A;
  paint::DrawTextCentred(canvas, kWidth / 2, 6, "Tabela", title);
  title.color = 0xFFD21F;
  paint::DrawTextCentred(canvas, kWidth / 2, 16, "da Copa", title);

  // A ball rolling in from the left, with its speed lines.
  for (const double y : {38.0, 43.0, 48.0}) {
    canvas.Fill(paint::Path().AddLine({6.0, y}, {20.0, y}, 1.2), kWhite, 110);
  }
  canvas.Fill(paint::Path().AddCircle({29.0, 45.0}, 11.0), 0x06361A, 120);
  motifs::PaintFootball(canvas, {28.0, 43.5}, 10.5, 0.07);
  return badge;
}

}  // namespace talvora
