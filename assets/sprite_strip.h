#pragma once

#include "runtime/graphics/surface.h"

namespace talvora::assets {

// Fills row 1 of a two-row strip of cells with the masks of the images in
// row 0: black where the image is not black, white elsewhere.
void DrawMasks(Surface& strip, int cellWidth, int cellHeight, int columns);

}  // namespace talvora::assets
