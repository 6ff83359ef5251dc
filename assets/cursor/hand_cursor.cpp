#include <array>
#include <string_view>

#include "assets/pictures.h"

namespace talvora {
namespace {

constexpr int kSide = 32;

// The glove, pixel by pixel: '#' black outline, 'o' white, '.' clear. The
// index finger's tip is the top of its outline, at the hot spot (13, 9).
// clang-format off
constexpr std::array<std::string_view, kSide> kHand = {
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "............###.................",
    "...........#ooo#................",
    "...........#ooo#................",
    "...........#ooo#................",
    "...........#ooo#................",
    "...........#ooo####.............",
    "...........#ooo#ooo####.........",
    "......##...#ooo#ooo#ooo#........",
    ".....#oo#..#ooo#ooo#ooo###......",
    ".....#ooo#.#ooo#ooo#ooo#oo#.....",
    ".....#oooo##ooo#ooo#ooo#oo#.....",
    "......#ooooooooooooooooooo#.....",
    ".......#oooooooooooooooooo#.....",
    "........#ooooooooooooooooo#.....",
    ".........#oooooooooooooooo#.....",
    ".........#ooooooooooooooo#......",
    "..........#oooooooooooooo#......",
    "...........#oooooooooooo#.......",
    "...........#oooooooooooo#.......",
    "...........##############.......",
    "................................",
    "................................",
    "................................",
};
// clang-format on

}  // namespace

CursorPicture MakeHandCursor() {
  CursorPicture cursor{Surface(kSide, kSide, kBlack), Surface(kSide, kSide, kWhite), 13, 9};
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const char pixel = kHand[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      if (pixel == '.') continue;
      cursor.mask.At(x, y) = kBlack;
      if (pixel == 'o') cursor.image.At(x, y) = kWhite;
    }
  }
  return cursor;
}

}  // namespace talvora
