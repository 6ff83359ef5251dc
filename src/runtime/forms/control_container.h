#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/graphics/surface.h"

namespace talvora {

class FormsRuntime;
class WindowlessControl;

// What windowless controls are drawn on: a form or a picture box. It owns
// the pixels, keeps what scenes drew on them until something is repainted,
// and repaints invalidated parts by clearing them to the background colour
// and redrawing the windowless controls there.
class ControlContainer {
 public:
  ControlContainer(FormsRuntime& runtime, std::string_view name);
  virtual ~ControlContainer() = default;
  ControlContainer(const ControlContainer&) = delete;
  ControlContainer& operator=(const ControlContainer&) = delete;

  FormsRuntime& Runtime() const { return runtime_; }
  std::string_view Name() const { return name_; }

  // Whoever takes the pixels to draw on may change any of them.
  Surface& Canvas() {
    uniformColor_.reset();
    return canvas_;
  }
  const Surface& Canvas() const { return canvas_; }
  int Width() const { return canvas_.Width(); }
  int Height() const { return canvas_.Height(); }

  Pixel BackColor() const { return backColor_; }
  void SetBackColor(Pixel color);

  // Clears everything to the background colour and redraws the windowless
  // controls at once; what was drawn on the surface is gone.
  void Refresh();
  // Marks a part (container pixels) for the next repaint.
  void Invalidate(const PixelRect& rect);
  void InvalidateAll() { Invalidate(canvas_.Bounds()); }
  // Repaints the invalidated parts, if any.
  virtual void PaintInvalidated();

  // The windowless control of that name, nullptr when there is none.
  const WindowlessControl* FindControl(std::string_view name) const;

  void AddControl(WindowlessControl& control);
  void RemoveControl(WindowlessControl& control);

 protected:
  void Resize(int width, int height);
  // Draws what the container shows beneath its windowless controls, within clip.
  virtual void PaintBackground(const PixelRect& clip);
  // Called after every repaint, for a form's own paint reaction.
  virtual void AfterPaint() {}

 private:
  void Repaint(const PixelRect& clip);

  // Up to this many separate invalid parts are kept; more are merged into
  // their bounding rectangle.
  static constexpr std::size_t kMaxInvalidParts = 16;

  FormsRuntime& runtime_;
  std::string name_;
  Surface canvas_;
  // The one colour every pixel holds while nothing has drawn since the
  // surface was made, so that its first repaint need not clear it again (a
  // full screen is tens of megabytes).
  std::optional<Pixel> uniformColor_;
  Pixel backColor_ = kBlack;
  std::vector<WindowlessControl*> controls_;
  std::vector<PixelRect> invalid_;
};

}  // namespace talvora
