#pragma once

#include <string>

#include "runtime/forms/windowless_control.h"
#include "runtime/text/text_renderer.h"
#include "runtime/text/text_style.h"

namespace talvora {

// A label: its caption in its font and colour, wrapped and cut to its
// rectangle, on a transparent background. An auto-sized label grows or
// shrinks to fit its caption on one line, from its left edge, or from its
// right edge when it is right-aligned.
class LabelControl final : public WindowlessControl {
 public:
  struct Style {
    FontSpec font;
    Pixel foreColor = kBlack;
    TextAlignment alignment = TextAlignment::kLeft;
    bool autoSize = false;
  };

  LabelControl(ControlContainer& container, std::string name, PixelRect bounds, Style style,
               std::string caption = {}, bool visible = true);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  Pixel ForeColor() const { return style_.foreColor; }
  void SetForeColor(Pixel color);

  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;

 private:
  void FitToCaption();

  Style style_;
  std::string caption_;
};

}  // namespace talvora
