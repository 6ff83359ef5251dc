#pragma once

#include <array>
#include <optional>

#include "runtime/graphics/picture.h"
#include "runtime/graphics/picture_strip.h"

namespace talvora {

// The pictures stored with the saver window, strips divided as they are
// stored (the Cup-table strip as 1 x 1; the table divides it). Each is made
// by the artwork generator the first time it is asked for: a saver shows one
// scene, and making every scene's pictures would hold up its first frame.
class SaverPictures {
 public:
  const PictureStrip& BolaClip() const;
  // The World Cup trophy (0) and the Jules Rimet trophy (1).
  const PictureStrip& Taca1Clip(int index) const;
  const PictureStrip& PictureClip1() const;
  const PictureStrip& PictureClip2() const;
  const PictureStrip& PictureClip3() const;
  const Picture& Badge() const;

 private:
  mutable std::optional<PictureStrip> bolaClip_;
  mutable std::array<std::optional<PictureStrip>, 2> taca1Clip_;
  mutable std::optional<PictureStrip> pictureClip1_;
  mutable std::optional<PictureStrip> pictureClip2_;
  mutable std::optional<PictureStrip> pictureClip3_;
  mutable std::optional<Picture> badge_;
};

}  // namespace talvora
