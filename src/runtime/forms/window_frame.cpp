#include "runtime/forms/window_frame.h"

#include "runtime/forms/classic_style.h"
#include "runtime/text/label_text.h"

namespace talvora {
namespace {

constexpr Pixel kActiveCaption = 0x000080;
constexpr Pixel kInactiveCaption = 0x808080;
constexpr Pixel kActiveCaptionText = 0xFFFFFF;
constexpr Pixel kInactiveCaptionText = 0xC0C0C0;
constexpr int kCloseBoxWidth = 16;
constexpr int kCloseBoxHeight = 14;

PixelRect CaptionBar(const PixelRect& outer) {
  return {outer.left + kDialogFrameBorder, outer.top + kDialogFrameBorder,
          outer.width - 2 * kDialogFrameBorder, kDialogCaptionHeight};
}

// The window's outer edge: light grey and black, then white and dark grey.
void PaintBorder(Surface& screen, const PixelRect& outer) {
  const auto hLine = [&](int left, int y, int width, Pixel color) {
    screen.FillRect(Intersection({left, y, width, 1}, screen.Bounds()), color);
  };
  const auto vLine = [&](int x, int top, int height, Pixel color) {
    screen.FillRect(Intersection({x, top, 1, height}, screen.Bounds()), color);
  };
  const PixelRect& r = outer;
  screen.FillRect(Intersection(r, screen.Bounds()), kClassicPalette.buttonFace);
  hLine(r.left, r.Bottom() - 1, r.width, kClassicPalette.darkShadow);
  vLine(r.Right() - 1, r.top, r.height, kClassicPalette.darkShadow);
  hLine(r.left + 1, r.top + 1, r.width - 3, kClassicPalette.highlight);
  vLine(r.left + 1, r.top + 1, r.height - 3, kClassicPalette.highlight);
  hLine(r.left + 1, r.Bottom() - 2, r.width - 2, kClassicPalette.shadow);
  vLine(r.Right() - 2, r.top + 1, r.height - 2, kClassicPalette.shadow);
}

// The close box's cross: two strokes two pixels wide, 8 x 7 pixels.
void PaintCross(Surface& screen, int left, int top) {
  for (int row = 0; row < 7; ++row) {
    for (const int column : {row, 6 - row}) {
      for (const int x : {left + column, left + column + 1}) {
        if (screen.Bounds().Contains(x, top + row)) screen.At(x, top + row) = kBlack;
      }
    }
  }
}

}  // namespace

PixelRect DialogFrameAround(const PixelRect& client) {
  return {client.left - kDialogFrameBorder, client.top - kDialogFrameTop,
          client.width + 2 * kDialogFrameBorder,
          client.height + kDialogFrameTop + kDialogFrameBorder};
}

PixelRect DialogCloseBox(const PixelRect& outer) {
  const PixelRect bar = CaptionBar(outer);
  return {bar.Right() - 2 - kCloseBoxWidth, bar.top + (bar.height - kCloseBoxHeight) / 2,
          kCloseBoxWidth, kCloseBoxHeight};
}

FramePart HitDialogFrame(const PixelRect& outer, int x, int y) {
  if (!outer.Contains(x, y)) return FramePart::kOutside;
  if (DialogCloseBox(outer).Contains(x, y)) return FramePart::kCloseBox;
  if (CaptionBar(outer).Contains(x, y)) return FramePart::kCaption;
  const PixelRect client{outer.left + kDialogFrameBorder, outer.top + kDialogFrameTop,
                         outer.width - 2 * kDialogFrameBorder,
                         outer.height - kDialogFrameTop - kDialogFrameBorder};
  return client.Contains(x, y) ? FramePart::kClient : FramePart::kBorder;
}

void PaintDialogFrame(Surface& screen, const PixelRect& outer, std::string_view caption,
                      bool active, bool closePushed, TextRenderer& text) {
  PaintBorder(screen, outer);
  const PixelRect bar = CaptionBar(outer);
  screen.FillRect(Intersection(bar, screen.Bounds()), active ? kActiveCaption : kInactiveCaption);
  const PixelRect box = DialogCloseBox(outer);
  FontSpec titleFont = kDialogFont;
  titleFont.bold = true;
  const auto extent = MeasureText(caption, titleFont, text);
  const int titleHeight = extent ? extent->height : 0;
  const PixelRect title{bar.left + 3, bar.top + (bar.height - titleHeight) / 2,
                        box.left - bar.left - 5, titleHeight};
  DrawLabelText(screen, title, caption, titleFont,
                active ? kActiveCaptionText : kInactiveCaptionText, TextAlignment::kLeft, text,
                title);
  ClassicStylePainter painter(screen, screen.Bounds());
  painter.Fill(box, kClassicPalette.buttonFace);
  if (closePushed) {
    painter.PressedEdge(box);
  } else {
    painter.RaisedEdge(box);
  }
  const int shift = closePushed ? 1 : 0;
  PaintCross(screen, box.left + 4 + shift, box.top + 3 + shift);
}

}  // namespace talvora
