#pragma once

#include <string_view>

#include "runtime/forms/control_container.h"
#include "runtime/graphics/picture.h"

namespace talvora {

class Form;

// A child window of a form with its own surface, drawn above the form's:
// its background colour, its picture from the top-left corner, then its
// windowless controls. Hiding or moving it lets the form repaint the part
// it uncovers.
class PictureBox final : public ControlContainer {
 public:
  PictureBox(Form& parent, std::string_view name, PixelRect bounds, bool visible = true);
  ~PictureBox() override;

  // Gives the box the sunken two-pixel border of a dialog: its bounds keep
  // their outer edge, the client area inside shrinks by the border.
  void SetSunkenBorder();
  bool HasBorder() const { return border_; }
  // The client area and, with a border, the edge around it.
  PixelRect OuterBounds() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  PixelRect Bounds() const { return {left_, top_, Width(), Height()}; }
  void Move(int left, int top);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(const Picture& picture);

 private:
  void PaintBackground(const PixelRect& clip) override;

  Form& parent_;
  int left_;
  int top_;
  bool visible_;
  bool border_ = false;
  Picture picture_;
};

}  // namespace talvora
