#include "runtime/forms/control_container.h"

#include <algorithm>

#include "runtime/forms/forms_runtime.h"
#include "runtime/forms/windowless_control.h"

namespace talvora {
namespace {

PixelRect Bounding(const PixelRect& a, const PixelRect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  const int left = std::min(a.left, b.left);
  const int top = std::min(a.top, b.top);
  return {left, top, std::max(a.Right(), b.Right()) - left, std::max(a.Bottom(), b.Bottom()) - top};
}

}  // namespace

ControlContainer::ControlContainer(FormsRuntime& runtime, std::string_view name)
    : runtime_(runtime), name_(name) {
  invalid_.reserve(kMaxInvalidParts);
}

void ControlContainer::SetBackColor(Pixel color) {
  backColor_ = color;
  InvalidateAll();
}

void ControlContainer::Refresh() {
  invalid_.clear();
  Repaint(canvas_.Bounds());
  runtime_.Trace("refresh", {{"form", std::string_view(name_)}});
}

void ControlContainer::Invalidate(const PixelRect& rect) {
  const PixelRect part = Intersection(rect, canvas_.Bounds());
  if (part.Empty()) return;
  if (invalid_.size() == kMaxInvalidParts) {
    PixelRect all = part;
    for (const PixelRect& r : invalid_) all = Bounding(all, r);
    invalid_.clear();
    invalid_.push_back(all);
    return;
  }
  invalid_.push_back(part);
}

void ControlContainer::PaintInvalidated() {
  if (invalid_.empty()) return;
  for (const PixelRect& part : invalid_) Repaint(part);
  invalid_.clear();
}

void ControlContainer::AddControl(WindowlessControl& control) {
  controls_.push_back(&control);
  Invalidate(control.Bounds());
}

void ControlContainer::RemoveControl(WindowlessControl& control) {
  std::erase(controls_, &control);
}

void ControlContainer::Resize(int width, int height) {
  if (width == canvas_.Width() && height == canvas_.Height()) return;
  canvas_ = Surface(width, height, backColor_);
  uniformColor_ = backColor_;
  InvalidateAll();
}

void ControlContainer::PaintBackground(const PixelRect& clip) {
  if (uniformColor_ == backColor_) return;
  canvas_.FillRect(clip, backColor_);
}

void ControlContainer::Repaint(const PixelRect& clip) {
  PaintBackground(clip);
  for (const WindowlessControl* control : controls_) {
    if (!control->Visible()) continue;
    const PixelRect part = Intersection(control->Bounds(), clip);
    if (!part.Empty()) control->Draw(canvas_, part, runtime_.Text());
  }
  uniformColor_.reset();
  AfterPaint();
}

const WindowlessControl* ControlContainer::FindControl(std::string_view name) const {
  for (const WindowlessControl* control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

}  // namespace talvora
