#include "runtime/forms/windowless_control.h"

#include "runtime/forms/control_container.h"
#include "runtime/forms/forms_runtime.h"

namespace talvora {

std::string IndexedName(std::string_view name, std::size_t k) {
  return std::string(name) + '(' + std::to_string(k) + ')';
}

WindowlessControl::WindowlessControl(ControlContainer& container, std::string name,
                                     PixelRect bounds, bool visible)
    : container_(container), name_(std::move(name)), bounds_(bounds), visible_(visible) {
  container_.AddControl(*this);
}

WindowlessControl::~WindowlessControl() {
  container_.Invalidate(bounds_);
  container_.RemoveControl(*this);
}

void WindowlessControl::Move(int left, int top) {
  SetBounds({left, top, bounds_.width, bounds_.height});
  container_.Runtime().Trace(
      "move",
      {{"control", std::string_view(name_)}, {"x", std::int64_t{left}}, {"y", std::int64_t{top}}});
}

void WindowlessControl::SetVisible(bool visible) {
  if (visible != visible_) {
    visible_ = visible;
    container_.Invalidate(bounds_);
  }
  container_.Runtime().Trace("visible", {{"control", std::string_view(name_)}, {"on", visible}});
}

void WindowlessControl::SetBounds(const PixelRect& bounds) {
  if (bounds == bounds_) return;
  container_.Invalidate(bounds_);
  bounds_ = bounds;
  container_.Invalidate(bounds_);
}

void WindowlessControl::Changed() { container_.Invalidate(bounds_); }

}  // namespace talvora
