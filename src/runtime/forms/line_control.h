#pragma once

#include "runtime/forms/windowless_control.h"

namespace talvora {

// A line control, one pixel wide, from (x1, y1) to (x2, y2) inclusive.
class LineControl final : public WindowlessControl {
 public:
  LineControl(ControlContainer& container, std::string name, int x1, int y1, int x2, int y2,
              Pixel color, bool visible = true);

  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;

 private:
  int x1_;
  int y1_;
  int x2_;
  int y2_;
  Pixel color_;
};

}  // namespace talvora
