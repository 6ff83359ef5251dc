#include "scenes/slideshows.h"

#include "common/rounding.h"
#include "scenes/random_placement.h"

namespace talvora {
namespace {

constexpr int kFullScreenMargin = 70;

// A preview corner: Int((W - w) x r1) + 1, Int((H - h) x r2) + 1.
Placement PreviewPlacement(const SceneContext& context, double w, double h) {
  return RandomPlacement(context, w - 1, h - 1, 1);
}

}  // namespace

void PosterSlideshow::ShowNextPoster(const SceneContext& context) {
  context.ReseedRandom();
  if (PosterPasses_ == kPassesPerScreen) {
    context.window.Refresh();
    PosterPasses_ = 0;
  }
  const PictureStrip& posters = context.pictures.PictureClip1;
  const Picture poster = posters.Cell(PosterIndex_);
  if (context.Preview()) {
    const Placement at = PreviewPlacement(context, 20, 28);
    PosterX_ = RoundToInt16(at.left);
    PosterY_ = RoundToInt16(at.top);
    context.window.PaintPicture(poster, PosterX_, PosterY_, 20.0, 28.0, RasterOp::kSrcCopy);
  } else {
    const Placement at = RandomPlacement(context, RoundToInt16(posters.CellWidth()),
                                         RoundToInt16(posters.CellHeight()), kFullScreenMargin);
    PosterX_ = RoundToInt16(at.left);
    PosterY_ = RoundToInt16(at.top);
    context.window.PaintPicture(poster, PosterX_, PosterY_);
  }
  if (++PosterIndex_ > kPosters - 1) {
    PosterIndex_ = 0;
    ++PosterPasses_;
  }
}

void ChampionSlideshow::ShowNextChampion(const SceneContext& context) {
  context.window.Refresh();
  context.ReseedRandom();
  const PictureStrip& titles = context.pictures.PictureClip2;
  const Picture title = titles.Cell(ChampionIndex_);
  if (context.Preview()) {
    const Placement at = PreviewPlacement(context, 50, 31);
    ChampionX_ = RoundToInt16(at.left);
    ChampionY_ = RoundToInt16(at.top);
    context.window.PaintPicture(title, ChampionX_, ChampionY_, 50.0, 31.0, RasterOp::kSrcCopy);
  } else {
    const Placement at = RandomPlacement(context, RoundToInt16(titles.CellWidth()),
                                         RoundToInt16(titles.CellHeight()), kFullScreenMargin);
    ChampionX_ = RoundToInt16(at.left);
    ChampionY_ = RoundToInt16(at.top);
    context.window.PaintPicture(title, ChampionX_, ChampionY_);
  }
  if (++ChampionIndex_ > kChampions - 1) ChampionIndex_ = 0;
}

}  // namespace talvora
