#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/graphics/surface.h"
#include "runtime/text/label_text.h"
#include "runtime/text/text_renderer.h"
#include "runtime/text/text_style.h"

namespace talvora {

// The colour roles of the classic Windows 95 scheme.
struct ClassicPalette {
  Pixel buttonFace = 0xC0C0C0;
  Pixel highlight = 0xFFFFFF;
  Pixel shadow = 0x808080;
  Pixel darkShadow = 0x000000;
  Pixel window = 0xFFFFFF;
  Pixel text = 0x000000;
  Pixel grayText = 0x808080;
};

inline constexpr ClassicPalette kClassicPalette{};

// The font of dialog captions.
inline const FontSpec kDialogFont{std::string(kMsSansSerifFamily), 8.25};

// A caption with its access key marked: "&" makes the next character the
// key, drawn underlined; "&&" is a literal ampersand.
struct AccessCaption {
  std::string text;                  // what is drawn, markers removed
  std::optional<std::size_t> keyAt;  // byte offset of the key's character in text
  char accessKey = '\0';             // the key in upper case; '\0' when none or not ASCII
};

AccessCaption ParseAccessCaption(std::string_view caption);

// Paints the classic look of dialog controls onto a surface, never outside
// the clip it is given. Each control decides what it is; this says how it looks.
class ClassicStylePainter {
 public:
  ClassicStylePainter(Surface& target, const PixelRect& clip);

  void Fill(const PixelRect& rect, Pixel color);
  // The two-pixel edge of a button standing out of the face.
  void RaisedEdge(const PixelRect& rect);
  // A button held down: a dark frame with the shadow just inside.
  void PressedEdge(const PixelRect& rect);
  // The two-pixel edge of a field sunk into the face (check boxes, channels).
  void SunkenEdge(const PixelRect& rect);
  // A horizontal groove: a shadow line above a highlight line.
  void EtchedLine(int left, int top, int width);
  // A group box's etched frame, open at the top-left where its caption sits,
  // with the caption itself.
  void GroupFrame(const PixelRect& rect, const AccessCaption& caption, const FontSpec& font,
                  bool enabled, TextRenderer& text);
  // A check box's square (13 pixels) with its mark when checked.
  void CheckBox(int left, int top, bool checked, bool enabled, bool pushed);
  // An option button's circle (12 pixels) with its dot when chosen.
  void OptionCircle(int left, int top, bool chosen, bool enabled, bool pushed);
  // A horizontal slider's sunken channel.
  void SliderChannel(const PixelRect& rect);
  // A horizontal slider's thumb, pointing down at the ticks beneath it.
  void SliderThumb(const PixelRect& rect, bool enabled);
  void TickMark(int x, int top, int length);
  // The dotted rectangle around whatever has the keyboard focus.
  void FocusRect(const PixelRect& rect);
  // A caption at (left, top) on one line, its access key underlined; a
  // disabled caption is drawn embossed in gray.
  void Caption(int left, int top, const AccessCaption& caption, const FontSpec& font, bool enabled,
               TextRenderer& text);

 private:
  void Dot(int x, int y, Pixel color);
  void HLine(int left, int y, int width, Pixel color);
  void VLine(int x, int top, int height, Pixel color);
  void CaptionIn(int left, int top, const AccessCaption& caption, const FontSpec& font, Pixel color,
                 TextRenderer& text);

  Surface& target_;
  PixelRect clip_;
};

// The width and height a caption takes on one line in its font.
std::optional<TextExtent> MeasureCaption(const AccessCaption& caption, TextRenderer& text,
                                         const FontSpec& font = kDialogFont);

}  // namespace talvora
