#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/graphics/surface.h"

namespace talvora {

// Which of the dialogs' windows take input, given whether each is modal, in
// the order they were shown: a modal one takes it away from all shown
// before it, so the answer is the index of the last modal window (0 when
// none is modal); that one and all after it take input.
std::size_t FirstWindowTakingInput(const std::vector<bool>& modal);

// A black-and-white picture as one plane of bits as Windows' monochrome
// cursors and icons take it: a set bit for each white pixel, the leftmost
// pixel in the top bit, each row padded to a multiple of 16 bits.
std::vector<std::uint8_t> MonochromePlane(const Surface& picture);

}  // namespace talvora
