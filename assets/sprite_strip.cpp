#include "assets/sprite_strip.h"

namespace talvora::assets {

void DrawMasks(Surface& strip, int cellWidth, int cellHeight, int columns) {
  for (int y = 0; y < cellHeight; ++y) {
    for (int x = 0; x < cellWidth * columns; ++x) {
      strip.At(x, y + cellHeight) = strip.At(x, y) == kBlack ? kWhite : kBlack;
    }
  }
}

}  // namespace talvora::assets
