#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/resample.h"
#include "assets/pictures.h"
#include "assets/posters/poster_kit.h"

namespace talvora {
namespace {

constexpr int kCardWidth = 50;
constexpr int kCardHeight = 70;

// Where a poster lies: its index in the strip and its top-left corner.
struct Card {
  int poster;
  int left;
  int top;
};

// Rows of three in the order of the tournaments, each row shifted a little
// against the one above and laid over its lower part.
constexpr Card kCards[] = {
    {0, -6, -8},   {1, 27, -4},   {2, 60, -10},  {3, -2, 38},   {4, 31, 42},
    {5, 63, 36},   {6, -8, 84},   {7, 25, 88},   {8, 57, 82},   {9, -3, 130},
    {10, 30, 126}, {11, 62, 132}, {12, -6, 174}, {13, 26, 170}, {14, 58, 176},
};

// Draws the whole picture with its top-left corner at (left, top), clipped.
void Place(paint::Canvas& canvas, const Surface& picture, int left, int top) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const int cx = left + x;
      const int cy = top + y;
      if (cx >= 0 && cy >= 0 && cx < canvas.Width() && cy < canvas.Height()) {
        canvas.Set(cx, cy, picture.At(x, y));
      }
    }
  }
}

}  // namespace

Surface MakePosterCollagePreview() {
  const Surface strip = MakePosterStrip();
  Surface collage(100, 221, kBlack);
  paint::Canvas canvas(collage);
  for (const Card& card : kCards) {
    const PixelRect cell{(card.poster % 5) * posters::kPosterWidth,
                         (card.poster / 5) * posters::kPosterHeight, posters::kPosterWidth,
                         posters::kPosterHeight};
    // A soft shadow down and to the right, then the poster on a thin white
    // paper edge.
    canvas.BlendRect({card.left + 2, card.top + 3, kCardWidth + 2, kCardHeight + 2}, kBlack, 120);
    canvas.FillRect({card.left - 1, card.top - 1, kCardWidth + 2, kCardHeight + 2}, 0xF4F0E6);
    Place(canvas, paint::Shrink(strip, cell, kCardWidth, kCardHeight), card.left, card.top);
  }
  return collage;
}

}  // namespace talvora
