#pragma once

#include <array>
#include <memory>

#include "runtime/forms/classic_style.h"
#include "runtime/forms/line_control.h"

namespace talvora {

// The bold dialog font some forms use for all but a few controls.
inline const FontSpec kBoldDialogFont{std::string(kMsSansSerifFamily), 8.25, true};

// The separator above a dialog's buttons: a grey line with a white one
// under it, Line1(1) and Line1(0), so it looks etched into the face.
std::array<std::unique_ptr<LineControl>, 2> MakeEtchedSeparator(ControlContainer& form, int left,
                                                                int top, int width);

}  // namespace talvora
