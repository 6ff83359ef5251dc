#include "scenes/slideshows.h"

#include "common/rounding.h"
#include "scenes/random_placement.h"

namespace talvora {
namespace {

constexpr int kFullScreenMargin = 70;

struct Corner {
  std::int16_t x;
  std::int16_t y;
};

// Draws a cell of the strip at a random place with SRCCOPY: full screen at
// its own size, at least 70 pixels from the left and top edges; in preview
// stretched to the preview size, anywhere from 1 pixel off those edges.
Corner DrawAtRandomPlace(const SceneContext& context, const PictureStrip& strip, int cell,
                         int previewWidth, int previewHeight) {
  const Picture picture = strip.Cell(cell);
  if (context.Preview()) {
    // Int((W - w) x r1) + 1, Int((H - h) x r2) + 1
    const Placement at = RandomPlacement(context, previewWidth - 1, previewHeight - 1, 1);
    const Corner corner{RoundToInt16(at.left), RoundToInt16(at.top)};
    context.window.PaintPicture(picture, corner.x, corner.y, static_cast<double>(previewWidth),
                                static_cast<double>(previewHeight), RasterOp::kSrcCopy);
    return corner;
  }
  const Placement at = RandomPlacement(context, RoundToInt16(strip.CellWidth()),
                                       RoundToInt16(strip.CellHeight()), kFullScreenMargin);
  const Corner corner{RoundToInt16(at.left), RoundToInt16(at.top)};
  context.window.PaintPicture(picture, corner.x, corner.y);
  return corner;
}

}  // namespace

void PosterSlideshow::ShowNextPoster(const SceneContext& context) {
  context.ReseedRandom();
  if (PosterPasses_ == kPassesPerScreen) {
    context.window.Refresh();
    PosterPasses_ = 0;
  }
  const Corner corner =
      DrawAtRandomPlace(context, context.pictures.PictureClip1(), PosterIndex_, 20, 28);
  PosterX_ = corner.x;
  PosterY_ = corner.y;
  if (++PosterIndex_ > kPosters - 1) {
    PosterIndex_ = 0;
    ++PosterPasses_;
  }
}

void ChampionSlideshow::ShowNextChampion(const SceneContext& context) {
  context.window.Refresh();
  context.ReseedRandom();
  const Corner corner =
      DrawAtRandomPlace(context, context.pictures.PictureClip2(), ChampionIndex_, 50, 31);
  ChampionX_ = corner.x;
  ChampionY_ = corner.y;
  if (++ChampionIndex_ > kChampions - 1) ChampionIndex_ = 0;
}

}  // namespace talvora
