#include "assets/motifs/trophies.h"
#include "assets/pictures.h"
#include "assets/sprite_strip.h"

namespace talvora {
namespace {

template <class Paint>
Surface TrophyStrip(int width, int height, Paint&& paintTrophy) {
  Surface strip(width, height, kBlack);
  // The cell height rounds down; an odd last row belongs to no cell.
  const int cellHeight = height / 2;
  paint::Canvas cell(strip, {0, 0, width, cellHeight});
  paintTrophy(cell,
              motifs::Box{0.0, 0.0, static_cast<double>(width), static_cast<double>(cellHeight)});
  assets::DrawMasks(strip, width, cellHeight, 1);
  return strip;
}

}  // namespace

Surface MakeWorldCupTrophy() { return TrophyStrip(40, 191, motifs::PaintWorldCupTrophy); }

Surface MakeJulesRimetTrophy() { return TrophyStrip(35, 193, motifs::PaintJulesRimetTrophy); }

}  // namespace talvora
