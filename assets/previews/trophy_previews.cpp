#include "assets/motifs/trophies.h"
#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/effects.h"
#include "assets/pictures.h"

namespace talvora {
namespace {

using paint::Canvas;
using paint::Path;

constexpr int kWidth = 100;
constexpr int kHeight = 220;
// A single trophy fills most of the height.
constexpr double kAloneTop = 22.0;
constexpr double kAloneHeight = 176.0;

using PaintTrophy = void (*)(Canvas&, const motifs::Box&);

// Boxes of the trophies' own proportions, centred on centreX.
motifs::Box JulesRimetBox(double centreX, double top, double height) {
  const double width = height * motifs::kJulesRimetDesignWidth / motifs::kJulesRimetDesignHeight;
  return {centreX - width / 2.0, top, width, height};
}

motifs::Box WorldCupBox(double centreX, double top, double height) {
  const double width = height * motifs::kWorldCupDesignWidth / motifs::kWorldCupDesignHeight;
  return {centreX - width / 2.0, top, width, height};
}

// A trophy in the dark, lit from the front: a warm glow behind it and a
// pool of light on the floor at its foot.
void PaintLit(Canvas& canvas, const motifs::Box& box, PaintTrophy paintTrophy) {
  const double centreX = box.left + box.width / 2.0;
  const double foot = box.top + box.height;
  canvas.Fill(Path().AddEllipse({centreX, foot - 1.0}, box.width * 0.75, box.width * 0.14),
              0x4A3A18, 200);
  paint::DrawGlow(canvas, {centreX, box.top + box.height * 0.35}, box.width * 0.9, 0xFFE0A0, 70);
  paintTrophy(canvas, box);
}

template <class Draw>
Surface OnBlack(Draw&& draw) {
  Surface preview(kWidth, kHeight, kBlack);
  Canvas canvas(preview);
  draw(canvas);
  return preview;
}

}  // namespace

Surface MakeTrophiesPreview() {
  return OnBlack([](Canvas& canvas) {
    // The older cup stands behind, up and to the left.
    PaintLit(canvas, JulesRimetBox(25.5, 14.0, 118.0), motifs::PaintJulesRimetTrophy);
    PaintLit(canvas, WorldCupBox(68.5, 82.0, 126.0), motifs::PaintWorldCupTrophy);
  });
}

Surface MakeJulesRimetPreview() {
  return OnBlack([](Canvas& canvas) {
    PaintLit(canvas, JulesRimetBox(kWidth / 2.0, kAloneTop, kAloneHeight),
             motifs::PaintJulesRimetTrophy);
  });
}

Surface MakeWorldCupPreview() {
  return OnBlack([](Canvas& canvas) {
    PaintLit(canvas, WorldCupBox(kWidth / 2.0, kAloneTop, kAloneHeight),
             motifs::PaintWorldCupTrophy);
  });
}

}  // namespace talvora
