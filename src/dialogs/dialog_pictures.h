#pragma once

#include <array>

#include "assets/pictures.h"
#include "runtime/graphics/picture.h"

namespace talvora {

// The pictures stored with the dialogs.
struct DialogPictures {
  // The setup dialog's previews, in the order Image1(0) to Image1(4), then
  // Image1(21) and Image1(22).
  std::array<Picture, 7> previews;
  Picture icon;        // the product's icon, 32 x 32, on the dialog face
  CursorPicture hand;  // the pointing hand shown over the credits links
};

// Makes them from the artwork generator; takes a few milliseconds, so only
// the setup mode needs to.
DialogPictures MakeDialogPictures();

}  // namespace talvora
