#pragma once

#include "runtime/graphics/surface.h"

namespace talvora::paint {

// The part of source inside from, shrunk to width x height: each new pixel
// is the average of the source pixels under it, weighted by how much of
// each it covers, so fine detail blends instead of breaking up.
Surface Shrink(const Surface& source, const PixelRect& from, int width, int height);

}  // namespace talvora::paint
