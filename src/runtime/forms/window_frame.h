#pragma once

#include <string_view>

#include "runtime/graphics/surface.h"
#include "runtime/text/text_renderer.h"

namespace talvora {

// The classic frame of a fixed dialog window, for hosts that draw the
// window frames themselves: a three-pixel border, the caption bar with the
// title and the close box, then the client area.
inline constexpr int kDialogFrameBorder = 3;
inline constexpr int kDialogCaptionHeight = 18;
// From the window's top to its client area: border, caption bar, one line.
inline constexpr int kDialogFrameTop = kDialogFrameBorder + kDialogCaptionHeight + 1;

// The window's outer rectangle around a client area (screen pixels).
PixelRect DialogFrameAround(const PixelRect& client);
// The close box of a window with that outer rectangle.
PixelRect DialogCloseBox(const PixelRect& outer);

enum class FramePart { kOutside, kClient, kCaption, kCloseBox, kBorder };
FramePart HitDialogFrame(const PixelRect& outer, int x, int y);

// Paints the frame, the caption bar (blue when the window is active, grey
// when not) and the close box, pushed in while it is held.
void PaintDialogFrame(Surface& screen, const PixelRect& outer, std::string_view caption,
                      bool active, bool closePushed, TextRenderer& text);

}  // namespace talvora
