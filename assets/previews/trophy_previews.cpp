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

motifs::Box JulesRimetBox(double left, double top, double height) {
  return {left, top, height * motifs::kJulesRimetDesignWidth / motifs::kJulesRimetDesignHeight,
          height};
}

motifs::Box WorldCupBox(double left, double top, double height) {
  return {left, top, height * motifs::kWorldCupDesignWidth / motifs::kWorldCupDesignHeight, height};
}

// A trophy in the dark, lit from the front: a warm glow behind it and a
// pool of light on the floor at its foot.
template <class PaintTrophy>
void PaintLit(Canvas& canvas, const motifs::Box& box, PaintTrophy&& paintTrophy) {
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
    PaintLit(canvas, JulesRimetBox(4.0, 14.0, 118.0), motifs::PaintJulesRimetTrophy);
    PaintLit(canvas, WorldCupBox(42.0, 82.0, 126.0), motifs::PaintWorldCupTrophy);
  });
}

Surface MakeJulesRimetPreview() {
  return OnBlack([](Canvas& canvas) {
    constexpr double kHeightOf = 176.0;
    const motifs::Box box = JulesRimetBox(0.0, 22.0, kHeightOf);
    PaintLit(canvas, JulesRimetBox((kWidth - box.width) / 2.0, 22.0, kHeightOf),
             motifs::PaintJulesRimetTrophy);
  });
}

Surface MakeWorldCupPreview() {
  return OnBlack([](Canvas& canvas) {
    constexpr double kHeightOf = 176.0;
    const motifs::Box box = WorldCupBox(0.0, 22.0, kHeightOf);
    PaintLit(canvas, WorldCupBox((kWidth - box.width) / 2.0, 22.0, kHeightOf),
             motifs::PaintWorldCupTrophy);
  });
}

}  // namespace talvora
