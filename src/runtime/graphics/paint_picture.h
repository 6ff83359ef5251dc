#pragma once

#include <cstdint>
#include <optional>

#include "runtime/graphics/picture.h"
#include "runtime/graphics/surface.h"

namespace talvora {

// How a drawn picture's pixels combine with the pixels already there, on all 32 bits. The values
// are the raster operation codes of the Windows blitting calls.
enum class RasterOp : std::uint32_t {
  kSrcCopy = 0xCC0020,    // destination = source
  kSrcAnd = 0x8800C6,     // destination = destination AND source
  kSrcInvert = 0x660046,  // destination = destination XOR source
};

// Draws `picture` with its top-left corner at (x, y) of `target`, at its own size or, where a width
// or height is given, stretched to it by nearest-neighbour sampling, and cut to the target.
//
// Whole pixels: a given extent places both of its edges on the nearest whole pixel (ties to the
// even one), x to x + width and y to y + height, so a moving sprite's size changes only when its
// edges cross pixel boundaries; an extent left out keeps the picture's own size from the rounded
// x or y. A destination pixel samples the source pixel under its centre.
//
// A negative width or height mirrors the picture across that axis into the span from x + width
// to x (or y + height to y), as the Windows stretching call does. A zero extent, NaN or an
// infinite edge draws nothing; a huge extent costs only the visible pixels. Any other raster
// operation code draws nothing.
void PaintPicture(Surface& target, const Picture& picture, double x, double y,
                  std::optional<double> width = {}, std::optional<double> height = {},
                  RasterOp op = RasterOp::kSrcCopy);

// Draws `picture` at its own size with SRCCOPY at (x, y), touching only the
// pixels of `target` inside `clip`: how a control repaints part of itself.
void PaintPictureClipped(Surface& target, const Picture& picture, int x, int y,
                         const PixelRect& clip);

}  // namespace talvora
