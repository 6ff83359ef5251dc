#include "assets/motifs/football.h"
#include "assets/pictures.h"
#include "assets/sprite_strip.h"

namespace talvora {

Surface MakeBallStrip() {
  constexpr int kFrames = 7;
  constexpr int kCell = 30;
  Surface strip(kFrames * kCell, 2 * kCell, kBlack);
  for (int frame = 0; frame < kFrames; ++frame) {
    paint::Canvas cell(strip, {frame * kCell, 0, kCell, kCell});
    // Half a turn brings the ball back to the same look, so the seven
    // frames share it evenly and the loop has no jump.
    const double spin = 0.5 * frame / kFrames;
    motifs::PaintFootball(cell, {kCell / 2.0, kCell / 2.0}, kCell / 2.0 - 0.6, spin);
  }
  assets::DrawMasks(strip, kCell, kCell, kFrames);
  return strip;
}

}  // namespace talvora
