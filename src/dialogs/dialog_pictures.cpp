#include "dialogs/dialog_pictures.h"

#include "runtime/forms/classic_style.h"

namespace talvora {
namespace {

// The previews are traced by the image that shows them, as "Image1" cells.
Picture Preview(Surface pixels, int cell) {
  return Picture(std::move(pixels)).WithOrigin({"Image1", cell, nullptr});
}

}  // namespace

DialogPictures MakeDialogPictures() {
  return {
      .previews = {Preview(MakeBallsPreview(), 0), Preview(MakeTrophiesPreview(), 1),
                   Preview(MakePosterCollagePreview(), 2), Preview(MakeChampionsPreview(), 3),
                   Preview(MakeTablePreview(), 4), Preview(MakeJulesRimetPreview(), 21),
                   Preview(MakeWorldCupPreview(), 22)},
      .icon = Picture(MakeProductIcon(32, kClassicPalette.buttonFace)),
      .hand = MakeHandCursor(),
  };
}

}  // namespace talvora
