#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "runtime/forms/classic_style.h"
#include "runtime/forms/dialog_control.h"

namespace talvora {

using Reaction = std::function<void()>;

// A control with a caption whose "&" marks its access key.
class CaptionedControl : public DialogControl {
 public:
  CaptionedControl(Form& form, Frame* frame, std::string name, PixelRect bounds,
                   std::string_view caption);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  char AccessKey() const override { return parsed_.accessKey; }

  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font);

 protected:
  const AccessCaption& Parsed() const { return parsed_; }

 private:
  std::string caption_;
  AccessCaption parsed_;
  FontSpec font_ = kDialogFont;
};

// What Enter and Escape do to a command button.
struct ButtonRoles {
  bool isDefault = false;  // pressed by Enter
  bool isCancel = false;   // pressed by Escape
};

// A push button: looks pressed while the mouse is held down on it and clicks
// when released over it.
class CommandButton final : public CaptionedControl {
 public:
  CommandButton(Form& form, Frame* frame, std::string name, PixelRect bounds,
                std::string_view caption, ButtonRoles roles = {});

  void OnClick(Reaction reaction) { onClick_ = std::move(reaction); }
  bool IsDefaultButton() const override { return roles_.isDefault; }
  bool IsCancelButton() const override { return roles_.isCancel; }
  bool IsButton() const override { return true; }
  bool Pushed() const { return held_ && over_; }

  void MouseDown(int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(int x, int y) override;
  void Press() override;
  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;

 private:
  void SetOver(bool over);

  ButtonRoles roles_;
  Reaction onClick_;
  bool held_ = false;
  bool over_ = false;
};

// Shows its box pushed while the mouse is held on it and toggles when
// released over it, or on Space.
class ToggleControl : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;

  void OnClick(Reaction reaction) { onClick_ = std::move(reaction); }
  void MouseDown(int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(int x, int y) override;
  void Press() override;

 protected:
  bool Pushed() const { return held_ && over_; }
  // What the user's toggle does before the click reaction runs.
  virtual void UserToggle() = 0;
  void RunClick() const;
  // The caption drawn right of the box, with the focus rectangle around it.
  void DrawCaption(ClassicStylePainter& painter, int gap, TextRenderer& text) const;

 private:
  void SetOver(bool over);

  Reaction onClick_;
  bool held_ = false;
  bool over_ = false;
};

// A check box: Value 0 or 1. The user's toggle runs the click reaction;
// setting the value from code runs none. Every new value is traced.
class CheckBox final : public ToggleControl {
 public:
  CheckBox(Form& form, Frame* frame, std::string name, PixelRect bounds, std::string_view caption,
           int value = 0);

  int Value() const { return value_; }
  void SetValue(int value);
  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;

 private:
  void UserToggle() override { SetValue(value_ == 0 ? 1 : 0); }

  int value_;
};

// An option button: choosing one clears the others of its group (the option
// buttons of one frame, or of the form itself). Tab stops only at the chosen
// one of a group; the arrow keys move within it.
class OptionButton final : public ToggleControl {
 public:
  OptionButton(Form& form, Frame* frame, std::string name, PixelRect bounds,
               std::string_view caption, bool value = false);

  bool Value() const { return value_; }
  // Chooses this option (clearing its group) or clears it; no reaction runs.
  void SetValue(bool value);
  bool TabStop() const override;
  bool KeyDown(int keyCode) override;
  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;

 private:
  void UserToggle() override { SetValue(true); }
  std::vector<OptionButton*> GroupMembers() const;

  bool value_;
};

// A group box with its caption: the controls made with it as their frame
// sit inside it and move their bounds with it.
class Frame final : public CaptionedControl {
 public:
  Frame(Form& form, Frame* frame, std::string name, PixelRect bounds, std::string_view caption);

  bool TabStop() const override { return false; }
  bool TakesMouse() const override { return false; }
  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;
};

// A horizontal slider from Min to Max with tick marks beneath. Dragging the
// thumb, clicking beside it, and the arrow, page, Home and End keys change
// the value, each change running the change reaction; setting the value
// from code runs none. Values are clamped to the range. Every new value is
// traced.
class Slider final : public DialogControl {
 public:
  Slider(Form& form, Frame* frame, std::string name, PixelRect bounds, std::int32_t min = 0,
         std::int32_t max = 10);

  std::int32_t Min() const { return min_; }
  std::int32_t Max() const { return max_; }
  std::int32_t Value() const { return value_; }
  void SetRange(std::int32_t min, std::int32_t max);
  void SetValue(std::int32_t value);
  void SetLargeChange(std::int32_t step) { largeChange_ = step; }
  void SetTickFrequency(std::int32_t every) { tickFrequency_ = every; }
  void OnChange(Reaction reaction) { onChange_ = std::move(reaction); }
  // Runs on every mouse move over the slider and while its thumb is dragged.
  void OnMouseMove(Reaction reaction) { onMouseMove_ = std::move(reaction); }

  // Where the thumb is, in form pixels, and the x of its centre at a value.
  PixelRect ThumbBounds() const;
  int ThumbCentreAt(std::int32_t value) const { return CentreOf(value); }

  void MouseDown(int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(int x, int y) override;
  bool KeyDown(int keyCode) override;
  void Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const override;

 private:
  int TrackStart() const;
  int TrackSpan() const;
  int CentreOf(std::int64_t value) const;
  std::int64_t ValueAt(int centre) const;
  void UserSet(std::int64_t value);

  std::int32_t min_;
  std::int32_t max_;
  std::int32_t value_;
  std::int32_t largeChange_ = 5;
  std::int32_t tickFrequency_ = 1;
  Reaction onChange_;
  Reaction onMouseMove_;
  bool dragging_ = false;
  int grab_ = 0;
};

}  // namespace talvora
