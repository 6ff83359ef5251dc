#include "scenes/saver_pictures.h"

#include "assets/pictures.h"

namespace talvora {
namespace {

PictureStrip Strip(Surface pixels, int rows, int columns, std::string_view name) {
  PictureStrip strip(Picture(std::move(pixels)), rows, columns);
  strip.SetName(name);
  return strip;
}

}  // namespace

SaverPictures MakeSaverPictures() {
  return {
      .BolaClip = Strip(MakeBallStrip(), 2, 7, "BolaClip"),
      .Taca1Clip = {Strip(MakeWorldCupTrophy(), 2, 1, "Taca1Clip(0)"),
                    Strip(MakeJulesRimetTrophy(), 2, 1, "Taca1Clip(1)")},
      .PictureClip1 = Strip(MakePosterStrip(), 3, 5, "PictureClip1"),
      .PictureClip2 = Strip(MakeChampionStrip(), 2, 2, "PictureClip2"),
      .PictureClip3 = Strip(MakeTableBackgrounds(), 1, 1, "PictureClip3"),
      .Badge = Picture(MakeBadge()),
  };
}

}  // namespace talvora
