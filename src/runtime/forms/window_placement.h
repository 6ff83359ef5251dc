#pragma once

#include "runtime/graphics/surface.h"

namespace talvora {

// Where a dialog's window goes: centred in `area` (the screen's work area,
// or its owner's window), then moved as little as it takes to lie inside
// `screen`. A window larger than the screen keeps its top-left corner on it.
PixelRect CentreWindow(const PixelRect& window, const PixelRect& area, const PixelRect& screen);

}  // namespace talvora
