#include "runtime/forms/dialog_controls.h"

#include <algorithm>

#include "runtime/forms/form.h"

namespace talvora {
namespace {

constexpr int kCheckBoxSize = 13;
constexpr int kOptionSize = 12;
constexpr int kThumbWidth = 11;
constexpr int kThumbHeight = 21;
constexpr int kTrackInset = 8;
constexpr int kTickLength = 4;

PixelRect Inset(const PixelRect& r, int by) {
  return {r.left + by, r.top + by, std::max(r.width - 2 * by, 0), std::max(r.height - 2 * by, 0)};
}

}  // namespace

CaptionedControl::CaptionedControl(Form& form, Frame* frame, std::string name, PixelRect bounds,
                                   std::string_view caption)
    : DialogControl(form, frame, std::move(name), bounds),
      caption_(caption),
      parsed_(ParseAccessCaption(caption)) {}

void CaptionedControl::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_.assign(caption);
  parsed_ = ParseAccessCaption(caption);
  Changed();
}

void CaptionedControl::SetFont(const FontSpec& font) {
  if (font == font_) return;
  font_ = font;
  Changed();
}

CommandButton::CommandButton(Form& form, Frame* frame, std::string name, PixelRect bounds,
                             std::string_view caption, ButtonRoles roles)
    : CaptionedControl(form, frame, std::move(name), bounds, caption), roles_(roles) {}

void CommandButton::SetOver(bool over) {
  if (over == over_) return;
  over_ = over;
  Changed();
}

void CommandButton::MouseDown(int x, int y) {
  held_ = true;
  over_ = false;
  SetOver(Contains(x, y));
}

void CommandButton::MouseMove(int x, int y) { SetOver(Contains(x, y)); }

void CommandButton::MouseUp(int x, int y) {
  const bool click = held_ && Contains(x, y);
  held_ = false;
  Changed();
  if (click) Press();
}

void CommandButton::Press() {
  if (onClick_) onClick_();
}

void CommandButton::Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const {
  ClassicStylePainter painter(target, clip);
  const PixelRect r = Bounds();
  painter.Fill(r, kClassicPalette.buttonFace);
  const bool framed = roles_.isDefault || Focused();
  if (framed) painter.Fill(r, kClassicPalette.darkShadow);
  const PixelRect face = framed ? Inset(r, 1) : r;
  if (framed) painter.Fill(face, kClassicPalette.buttonFace);
  if (Pushed()) {
    painter.PressedEdge(framed ? r : face);
  } else {
    painter.RaisedEdge(face);
  }
  const auto extent = MeasureCaption(Parsed(), text, Font());
  if (!extent) return;
  const int shift = Pushed() ? 1 : 0;
  const int left = r.left + (r.width - extent->width) / 2 + shift;
  const int top = r.top + (r.height - extent->height) / 2 + shift;
  painter.Caption(left, top, Parsed(), Font(), Enabled(), text);
  if (Focused()) painter.FocusRect(Inset(r, 4));
}

void ToggleControl::SetOver(bool over) {
  if (over == over_) return;
  over_ = over;
  Changed();
}

void ToggleControl::MouseDown(int x, int y) {
  held_ = true;
  over_ = false;
  SetOver(Contains(x, y));
}

void ToggleControl::MouseMove(int x, int y) { SetOver(Contains(x, y)); }

void ToggleControl::MouseUp(int x, int y) {
  const bool toggle = held_ && Contains(x, y);
  held_ = false;
  Changed();
  if (toggle) Press();
}

void ToggleControl::Press() {
  UserToggle();
  RunClick();
}

void ToggleControl::RunClick() const {
  if (onClick_) onClick_();
}

void ToggleControl::DrawCaption(ClassicStylePainter& painter, int gap, TextRenderer& text) const {
  const auto extent = MeasureCaption(Parsed(), text, Font());
  if (!extent) return;
  const int left = Left() + gap;
  const int top = Top() + (Height() - extent->height) / 2;
  painter.Caption(left, top, Parsed(), Font(), Enabled(), text);
  if (Focused()) {
    painter.FocusRect({left - 1, top, extent->width + 2, extent->height});
  }
}

CheckBox::CheckBox(Form& form, Frame* frame, std::string name, PixelRect bounds,
                   std::string_view caption, int value)
    : ToggleControl(form, frame, std::move(name), bounds, caption), value_(value == 0 ? 0 : 1) {}

void CheckBox::SetValue(int value) {
  const int clamped = value == 0 ? 0 : 1;
  if (clamped == value_) return;
  value_ = clamped;
  Changed();
  TraceValue(value_);
}

void CheckBox::Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const {
  ClassicStylePainter painter(target, clip);
  painter.CheckBox(Left(), Top() + (Height() - kCheckBoxSize) / 2, value_ != 0, Enabled(),
                   Pushed());
  DrawCaption(painter, kCheckBoxSize + 4, text);
}

OptionButton::OptionButton(Form& form, Frame* frame, std::string name, PixelRect bounds,
                           std::string_view caption, bool value)
    : ToggleControl(form, frame, std::move(name), bounds, caption), value_(false) {
  SetValue(value);
}

std::vector<OptionButton*> OptionButton::GroupMembers() const {
  std::vector<OptionButton*> members;
  for (DialogControl* control : OwnerForm().Dialog().Controls()) {
    auto* const option = dynamic_cast<OptionButton*>(control);
    if (option != nullptr && option->Group() == Group()) members.push_back(option);
  }
  return members;
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  if (value) {
    for (OptionButton* other : GroupMembers()) other->SetValue(false);
  }
  value_ = value;
  Changed();
  TraceValue(value_ ? 1 : 0);
}

bool OptionButton::TabStop() const {
  if (value_) return true;
  const auto members = GroupMembers();
  const bool anyChosen =
      std::any_of(members.begin(), members.end(), [](const OptionButton* o) { return o->value_; });
  return !anyChosen && !members.empty() && members.front() == this;
}

bool OptionButton::KeyDown(int keyCode) {
  int step = 0;
  if (keyCode == kKeyArrowRight || keyCode == kKeyArrowDown) step = 1;
  if (keyCode == kKeyArrowLeft || keyCode == kKeyArrowUp) step = -1;
  if (step == 0) return false;
  const auto members = GroupMembers();
  const auto count = static_cast<std::ptrdiff_t>(members.size());
  std::ptrdiff_t index = std::find(members.begin(), members.end(), this) - members.begin();
  for (std::ptrdiff_t tries = 1; tries < count; ++tries) {
    index = (index + step + count) % count;
    OptionButton* const next = members[static_cast<std::size_t>(index)];
    if (next->Usable()) {
      OwnerForm().Dialog().SetFocus(next);
      next->Press();
      break;
    }
  }
  return true;
}

void OptionButton::Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const {
  ClassicStylePainter painter(target, clip);
  painter.OptionCircle(Left(), Top() + (Height() - kOptionSize) / 2, value_, Enabled(), Pushed());
  DrawCaption(painter, kOptionSize + 4, text);
}

Frame::Frame(Form& form, Frame* frame, std::string name, PixelRect bounds, std::string_view caption)
    : CaptionedControl(form, frame, std::move(name), bounds, caption) {}

void Frame::Draw(Surface& target, const PixelRect& clip, TextRenderer& text) const {
  ClassicStylePainter painter(target, clip);
  painter.GroupFrame(Bounds(), Parsed(), Font(), Enabled(), text);
}

Slider::Slider(Form& form, Frame* frame, std::string name, PixelRect bounds, std::int32_t min,
               std::int32_t max)
    : DialogControl(form, frame, std::move(name), bounds),
      min_(min),
      max_(std::max(min, max)),
      value_(min) {}

void Slider::SetRange(std::int32_t min, std::int32_t max) {
  min_ = min;
  max_ = std::max(min, max);
  value_ = std::clamp(value_, min_, max_);
  Changed();
}

void Slider::SetValue(std::int32_t value) {
  const std::int32_t clamped = std::clamp(value, min_, max_);
  if (clamped == value_) return;
  value_ = clamped;
  Changed();
  TraceValue(value_);
}

void Slider::UserSet(std::int64_t value) {
  const auto clamped = static_cast<std::int32_t>(std::clamp<std::int64_t>(value, min_, max_));
  if (clamped == value_) return;
  value_ = clamped;
  Changed();
  TraceValue(value_);
  if (onChange_) onChange_();
}

int Slider::TrackStart() const { return Left() + kTrackInset + kThumbWidth / 2; }

int Slider::TrackSpan() const { return std::max(Width() - 2 * kTrackInset - kThumbWidth, 0); }

int Slider::CentreOf(std::int64_t value) const {
  const std::int64_t range = std::int64_t{max_} - min_;
  if (range == 0) return TrackStart();
  const std::int64_t offset = ((value - min_) * TrackSpan() * 2 + range) / (2 * range);
  return TrackStart() + static_cast<int>(offset);
}

std::int64_t Slider::ValueAt(int centre) const {
  const std::int64_t range = std::int64_t{max_} - min_;
  if (TrackSpan() == 0) return min_;
  const std::int64_t along = std::clamp(centre - TrackStart(), 0, TrackSpan());
  return min_ + (along * range * 2 + TrackSpan()) / (2 * TrackSpan());
}

PixelRect Slider::ThumbBounds() const {
  return {CentreOf(value_) - kThumbWidth / 2, Top() + 3, kThumbWidth, kThumbHeight};
}

void Slider::MouseDown(int x, int y) {
  const PixelRect thumb = ThumbBounds();
  if (x >= thumb.left && x < thumb.Right() && y >= thumb.top && y < thumb.Bottom()) {
    dragging_ = true;
    grab_ = x - CentreOf(value_);
    return;
  }
  const std::int64_t step = x < CentreOf(value_) ? -std::int64_t{largeChange_} : largeChange_;
  UserSet(value_ + step);
}

void Slider::MouseMove(int x, int /*y*/) {
  if (dragging_) UserSet(ValueAt(x - grab_));
  if (onMouseMove_) onMouseMove_();
}

void Slider::MouseUp(int /*x*/, int /*y*/) { dragging_ = false; }

bool Slider::KeyDown(int keyCode) {
  switch (keyCode) {
    case kKeyArrowLeft:
    case kKeyArrowUp:
      UserSet(std::int64_t{value_} - 1);
      return true;
    case kKeyArrowRight:
    case kKeyArrowDown:
      UserSet(std::int64_t{value_} + 1);
      return true;
    case kKeyPageUp:
      UserSet(std::int64_t{value_} - largeChange_);
      return true;
    case kKeyPageDown:
      UserSet(std::int64_t{value_} + largeChange_);
      return true;
    case kKeyHome:
      UserSet(min_);
      return true;
    case kKeyEnd:
      UserSet(max_);
      return true;
    default:
      return false;
  }
}

void Slider::Draw(Surface& target, const PixelRect& clip, TextRenderer& /*text*/) const {
  ClassicStylePainter painter(target, clip);
  const PixelRect thumb = ThumbBounds();
  painter.SliderChannel({Left() + kTrackInset, thumb.top + 6, Width() - 2 * kTrackInset, 4});
  const int tickTop = thumb.Bottom() + 2;
  const std::int64_t range = std::int64_t{max_} - min_;
  const std::int64_t every = std::max<std::int64_t>(tickFrequency_, 1);
  // Ticks closer than two pixels would merge into a bar: then only the ends.
  if (range / every <= TrackSpan() / 2) {
    for (std::int64_t v = min_; v < max_; v += every)
      painter.TickMark(CentreOf(v), tickTop, kTickLength);
  } else {
    painter.TickMark(CentreOf(min_), tickTop, kTickLength);
  }
  painter.TickMark(CentreOf(max_), tickTop, kTickLength);
  painter.SliderThumb(thumb, Enabled());
  if (Focused()) painter.FocusRect(Bounds());
}

}  // namespace talvora
