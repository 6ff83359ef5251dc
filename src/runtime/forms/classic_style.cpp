#include "runtime/forms/classic_style.h"

#include <array>
#include <cctype>

#include "common/text_encoding.h"

namespace talvora {
namespace {

constexpr const ClassicPalette& kP = kClassicPalette;

// The check mark, 7 by 7, drawn three pixels inside the box's edge.
constexpr std::array<std::string_view, 7> kCheckMark = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};

// The option button's ring: s shadow, k dark shadow, h highlight, f face,
// w window; '.' is left as it is.
constexpr std::array<std::string_view, 12> kOptionRing = {
    "....ssss....", "..sskkkkss..", ".skkwwwwffh.", ".skwwwwwwfh.", "skwwwwwwwwfh", "skwwwwwwwwfh",
    "skwwwwwwwwfh", "skwwwwwwwwfh", ".skwwwwwwfh.", ".sffwwwwffh.", "..hhffffhh..", "....hhhh....",
};

constexpr std::array<std::string_view, 4> kOptionDot = {".##.", "####", "####", ".##."};

Pixel RingColor(char role, Pixel window) {
  switch (role) {
    case 's':
      return kP.shadow;
    case 'k':
      return kP.darkShadow;
    case 'h':
      return kP.highlight;
    case 'f':
      return kP.buttonFace;
    default:
      return window;
  }
}

}  // namespace

AccessCaption ParseAccessCaption(std::string_view caption) {
  AccessCaption parsed;
  for (std::size_t at = 0; at < caption.size(); ++at) {
    if (caption[at] == '&' && at + 1 < caption.size()) {
      ++at;
      if (caption[at] != '&' && !parsed.keyAt) {
        parsed.keyAt = parsed.text.size();
        const auto key = static_cast<unsigned char>(caption[at]);
        if (key < 0x80) parsed.accessKey = static_cast<char>(std::toupper(key));
      }
    }
    parsed.text.push_back(caption[at]);
  }
  return parsed;
}

std::optional<TextExtent> MeasureCaption(const AccessCaption& caption, TextRenderer& text,
                                         const FontSpec& font) {
  return MeasureText(caption.text, font, text);
}

ClassicStylePainter::ClassicStylePainter(Surface& target, const PixelRect& clip)
    : target_(target), clip_(Intersection(clip, target.Bounds())) {}

void ClassicStylePainter::Dot(int x, int y, Pixel color) {
  if (x >= clip_.left && x < clip_.Right() && y >= clip_.top && y < clip_.Bottom()) {
    target_.At(x, y) = color;
  }
}

void ClassicStylePainter::Fill(const PixelRect& rect, Pixel color) {
  target_.FillRect(Intersection(rect, clip_), color);
}

void ClassicStylePainter::HLine(int left, int y, int width, Pixel color) {
  Fill({left, y, width, 1}, color);
}

void ClassicStylePainter::VLine(int x, int top, int height, Pixel color) {
  Fill({x, top, 1, height}, color);
}

void ClassicStylePainter::RaisedEdge(const PixelRect& r) {
  HLine(r.left, r.top, r.width - 1, kP.highlight);
  VLine(r.left, r.top, r.height - 1, kP.highlight);
  HLine(r.left, r.Bottom() - 1, r.width, kP.darkShadow);
  VLine(r.Right() - 1, r.top, r.height, kP.darkShadow);
  HLine(r.left + 1, r.Bottom() - 2, r.width - 2, kP.shadow);
  VLine(r.Right() - 2, r.top + 1, r.height - 2, kP.shadow);
}

void ClassicStylePainter::PressedEdge(const PixelRect& r) {
  HLine(r.left, r.top, r.width, kP.darkShadow);
  HLine(r.left, r.Bottom() - 1, r.width, kP.darkShadow);
  VLine(r.left, r.top, r.height, kP.darkShadow);
  VLine(r.Right() - 1, r.top, r.height, kP.darkShadow);
  HLine(r.left + 1, r.top + 1, r.width - 2, kP.shadow);
  VLine(r.left + 1, r.top + 1, r.height - 2, kP.shadow);
}

void ClassicStylePainter::SunkenEdge(const PixelRect& r) {
  HLine(r.left, r.top, r.width - 1, kP.shadow);
  VLine(r.left, r.top, r.height - 1, kP.shadow);
  HLine(r.left + 1, r.top + 1, r.width - 3, kP.darkShadow);
  VLine(r.left + 1, r.top + 1, r.height - 3, kP.darkShadow);
  HLine(r.left, r.Bottom() - 1, r.width, kP.highlight);
  VLine(r.Right() - 1, r.top, r.height, kP.highlight);
  HLine(r.left + 1, r.Bottom() - 2, r.width - 2, kP.buttonFace);
  VLine(r.Right() - 2, r.top + 1, r.height - 2, kP.buttonFace);
}

void ClassicStylePainter::EtchedLine(int left, int top, int width) {
  HLine(left, top, width, kP.shadow);
  HLine(left, top + 1, width, kP.highlight);
}

void ClassicStylePainter::GroupFrame(const PixelRect& r, const AccessCaption& caption,
                                     const FontSpec& font, bool enabled, TextRenderer& text) {
  const auto extent = MeasureCaption(caption, text, font);
  const int captionHeight = extent ? extent->height : 0;
  const int frameTop = r.top + captionHeight / 2;
  const int height = r.Bottom() - frameTop;
  // The top line stops where the caption sits, with a little space around it.
  const int gapLeft = r.left + 6;
  const int gapRight = caption.text.empty() || !extent ? gapLeft : gapLeft + extent->width + 4;
  const auto top = [&](int y, Pixel color) {
    HLine(r.left, y, gapLeft - r.left, color);
    HLine(gapRight, y, r.Right() - gapRight, color);
  };
  top(frameTop, kP.shadow);
  top(frameTop + 1, kP.highlight);
  VLine(r.left, frameTop, height - 1, kP.shadow);
  VLine(r.left + 1, frameTop + 1, height - 3, kP.highlight);
  HLine(r.left, r.Bottom() - 2, r.width - 1, kP.shadow);
  HLine(r.left, r.Bottom() - 1, r.width, kP.highlight);
  VLine(r.Right() - 2, frameTop, height - 1, kP.shadow);
  VLine(r.Right() - 1, frameTop, height, kP.highlight);
  if (gapRight > gapLeft) Caption(gapLeft + 2, r.top, caption, font, enabled, text);
}

void ClassicStylePainter::CheckBox(int left, int top, bool checked, bool enabled, bool pushed) {
  const PixelRect box{left, top, 13, 13};
  Fill({left + 2, top + 2, 9, 9}, enabled && !pushed ? kP.window : kP.buttonFace);
  SunkenEdge(box);
  if (!checked) return;
  const Pixel mark = enabled ? kP.text : kP.grayText;
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 7; ++x) {
      if (kCheckMark[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
        Dot(left + 3 + x, top + 3 + y, mark);
      }
    }
  }
}

void ClassicStylePainter::OptionCircle(int left, int top, bool chosen, bool enabled, bool pushed) {
  const Pixel inside = enabled && !pushed ? kP.window : kP.buttonFace;
  for (int y = 0; y < 12; ++y) {
    const std::string_view row = kOptionRing[static_cast<std::size_t>(y)];
    for (int x = 0; x < 12; ++x) {
      const char role = row[static_cast<std::size_t>(x)];
      if (role != '.') Dot(left + x, top + y, RingColor(role, inside));
    }
  }
  if (!chosen) return;
  const Pixel dot = enabled ? kP.text : kP.grayText;
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      if (kOptionDot[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
        Dot(left + 4 + x, top + 4 + y, dot);
      }
    }
  }
}

void ClassicStylePainter::SliderChannel(const PixelRect& r) {
  Fill({r.left + 2, r.top + 2, r.width - 4, r.height - 4}, kP.window);
  SunkenEdge(r);
}

void ClassicStylePainter::SliderThumb(const PixelRect& r, bool enabled) {
  const int half = r.width / 2;
  const int body = r.height - half;
  Fill({r.left, r.top, r.width, body}, kP.buttonFace);
  HLine(r.left, r.top, r.width - 1, kP.highlight);
  VLine(r.left, r.top, body, kP.highlight);
  VLine(r.Right() - 1, r.top, body, kP.darkShadow);
  VLine(r.Right() - 2, r.top + 1, body - 1, kP.shadow);
  // The point: each row one pixel narrower on both sides.
  for (int i = 0; i < half; ++i) {
    const int y = r.top + body + i;
    const int left = r.left + i + 1;
    const int right = r.Right() - 1 - i - 1;
    HLine(left, y, right - left + 1, kP.buttonFace);
    Dot(left - 1, y, kP.highlight);
    Dot(right + 1, y, kP.darkShadow);
    Dot(right, y, kP.shadow);
  }
  if (!enabled) {
    // A disabled thumb shows a dotted face, as the system draws it.
    for (int y = r.top + 1; y < r.top + body; ++y) {
      for (int x = r.left + 1 + (y & 1); x < r.Right() - 2; x += 2) Dot(x, y, kP.highlight);
    }
  }
}

void ClassicStylePainter::TickMark(int x, int top, int length) { VLine(x, top, length, kP.text); }

void ClassicStylePainter::FocusRect(const PixelRect& r) {
  for (int x = r.left; x < r.Right(); ++x) {
    if (((x + r.top) & 1) == 0) Dot(x, r.top, kP.text);
    if (((x + r.Bottom() - 1) & 1) == 0) Dot(x, r.Bottom() - 1, kP.text);
  }
  for (int y = r.top; y < r.Bottom(); ++y) {
    if (((r.left + y) & 1) == 0) Dot(r.left, y, kP.text);
    if (((r.Right() - 1 + y) & 1) == 0) Dot(r.Right() - 1, y, kP.text);
  }
}

void ClassicStylePainter::Caption(int left, int top, const AccessCaption& caption,
                                  const FontSpec& font, bool enabled, TextRenderer& text) {
  if (enabled) {
    CaptionIn(left, top, caption, font, kP.text, text);
    return;
  }
  CaptionIn(left + 1, top + 1, caption, font, kP.highlight, text);
  CaptionIn(left, top, caption, font, kP.grayText, text);
}

void ClassicStylePainter::CaptionIn(int left, int top, const AccessCaption& caption,
                                    const FontSpec& font, Pixel color, TextRenderer& text) {
  const auto extent = MeasureCaption(caption, text, font);
  const auto resolved = text.Resolve(font);
  if (!extent || !resolved) return;
  const PixelRect line{left, top, extent->width + 1, extent->height};
  DrawLabelText(target_, line, caption.text, font, color, TextAlignment::kLeft, text, clip_);
  if (!caption.keyAt) return;
  const std::size_t at = *caption.keyAt;
  const std::size_t length = NextUtf8Char(caption.text, at).length;
  const auto before = MeasureText(caption.text.substr(0, at), font, text);
  const auto key = MeasureText(caption.text.substr(at, length), font, text);
  if (!before || !key) return;
  HLine(left + before->width, top + resolved->metrics.ascent + 1, key->width, color);
}

}  // namespace talvora
