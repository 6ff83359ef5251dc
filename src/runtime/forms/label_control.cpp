#include "runtime/forms/label_control.h"

#include "runtime/forms/control_container.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/text/label_text.h"

namespace talvora {

LabelControl::LabelControl(ControlContainer& container, std::string name, PixelRect bounds,
                           Style style, std::string caption, bool visible)
    : WindowlessControl(container, std::move(name), bounds, visible),
      style_(std::move(style)),
      caption_(std::move(caption)) {
  FitToCaption();
}

void LabelControl::SetCaption(std::string_view caption) {
  if (caption != caption_) {
    caption_.assign(caption);
    Changed();
    FitToCaption();
  }
  Container().Runtime().Trace(
      "caption", {{"control", std::string_view(Name())}, {"text", std::string_view(caption_)}});
}

void LabelControl::SetForeColor(Pixel color) {
  if (color == style_.foreColor) return;
  style_.foreColor = color;
  Changed();
}

void LabelControl::FitToCaption() {
  if (!style_.autoSize) return;
  const auto extent = MeasureText(caption_, style_.font, Container().Runtime().Text());
  if (!extent) return;
  // A right-aligned label keeps its right edge and grows to the left.
  const int left =
      style_.alignment == TextAlignment::kRight ? Bounds().Right() - extent->width : Left();
  SetBounds({left, Top(), extent->width, extent->height});
}

void LabelControl::Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const {
  DrawLabelText(target, Bounds(), caption_, style_.font, style_.foreColor, style_.alignment, text,
                clip);
}

}  // namespace talvora
