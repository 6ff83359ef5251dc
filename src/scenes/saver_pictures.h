#pragma once

#include <array>

#include "runtime/graphics/picture.h"
#include "runtime/graphics/picture_strip.h"

namespace talvora {

// The pictures stored with the saver window.
struct SaverPictures {
  PictureStrip BolaClip;
  std::array<PictureStrip, 2> Taca1Clip;
  PictureStrip PictureClip1;
  PictureStrip PictureClip2;
  PictureStrip PictureClip3;
  Picture Badge;
};

// Makes them from the artwork generator, strips divided as they are stored
// (the Cup-table strip as 1 x 1; the saver window divides it at load).
SaverPictures MakeSaverPictures();

}  // namespace talvora
