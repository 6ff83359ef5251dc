#pragma once

#include <string>
#include <string_view>

#include "runtime/graphics/surface.h"

namespace talvora {

class ControlContainer;
class TextRenderer;

// The name of element k of a control array, "Name(k)", as traces and event
// scripts know it.
std::string IndexedName(std::string_view name, std::size_t k);

// A control without a window of its own (label, image, line): its container
// draws it when it repaints. Moving it, showing or hiding it, or changing
// what it shows invalidates the rectangles it covered and covers.
class WindowlessControl {
 public:
  WindowlessControl(ControlContainer& container, std::string name, PixelRect bounds,
                    bool visible = true);
  virtual ~WindowlessControl();
  WindowlessControl(const WindowlessControl&) = delete;
  WindowlessControl& operator=(const WindowlessControl&) = delete;

  const std::string& Name() const { return name_; }
  ControlContainer& Container() const { return container_; }

  PixelRect Bounds() const { return bounds_; }
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  void Move(int left, int top);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Draws the control onto its container's surface, touching only clip.
  virtual void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const = 0;

 protected:
  // Changes the covered rectangle, invalidating the old and the new one.
  void SetBounds(const PixelRect& bounds);
  // Invalidates what the control covers, after a change of what it shows.
  void Changed();

 private:
  ControlContainer& container_;
  std::string name_;
  PixelRect bounds_;
  bool visible_;
};

}  // namespace talvora
