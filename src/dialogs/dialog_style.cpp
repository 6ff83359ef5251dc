#include "dialogs/dialog_style.h"

namespace talvora {

std::array<std::unique_ptr<LineControl>, 2> MakeEtchedSeparator(ControlContainer& form, int left,
                                                                int top, int width) {
  const int right = left + width - 1;
  return {std::make_unique<LineControl>(form, "Line1(0)", left, top + 1, right, top + 1,
                                        kClassicPalette.highlight),
          std::make_unique<LineControl>(form, "Line1(1)", left, top, right, top,
                                        kClassicPalette.shadow)};
}

}  // namespace talvora
