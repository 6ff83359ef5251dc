#include "scenes/saver_pictures.h"

#include <string_view>

#include "assets/pictures.h"

namespace talvora {
namespace {

// The strip made by `make`, divided and named, made on the first call.
const PictureStrip& Strip(std::optional<PictureStrip>& strip, Surface (*make)(), int rows,
                          int columns, std::string_view name) {
  if (!strip) {
    strip.emplace(Picture(make()), rows, columns);
    strip->SetName(name);
  }
  return *strip;
}

}  // namespace

const PictureStrip& SaverPictures::BolaClip() const {
  return Strip(bolaClip_, MakeBallStrip, 2, 7, "BolaClip");
}

const PictureStrip& SaverPictures::Taca1Clip(int index) const {
  if (index == 0) return Strip(taca1Clip_[0], MakeWorldCupTrophy, 2, 1, "Taca1Clip(0)");
  return Strip(taca1Clip_[1], MakeJulesRimetTrophy, 2, 1, "Taca1Clip(1)");
}

const PictureStrip& SaverPictures::PictureClip1() const {
  return Strip(pictureClip1_, MakePosterStrip, 3, 5, "PictureClip1");
}

const PictureStrip& SaverPictures::PictureClip2() const {
  return Strip(pictureClip2_, MakeChampionStrip, 2, 2, "PictureClip2");
}

const PictureStrip& SaverPictures::PictureClip3() const {
  return Strip(pictureClip3_, MakeTableBackgrounds, 1, 1, "PictureClip3");
}

const Picture& SaverPictures::Badge() const {
  if (!badge_) badge_.emplace(MakeBadge());
  return *badge_;
}

}  // namespace talvora
