#include "runtime/forms/forms_runtime.h"

#include <algorithm>
#include <vector>

#include "runtime/forms/form.h"
#include "runtime/forms/timer.h"

namespace talvora {

Timer* FormsRuntime::NextDueTimer() const {
  Timer* next = nullptr;
  for (Timer* timer : timers_) {
    const std::int64_t due = timer->DueMs();
    if (due >= 0 && (next == nullptr || due < next->DueMs())) next = timer;
  }
  return next;
}

std::int64_t FormsRuntime::NextDueMs() const {
  const Timer* next = NextDueTimer();
  return next == nullptr ? -1 : next->DueMs();
}

void FormsRuntime::RunDueTimers() {
  for (Timer* next = NextDueTimer(); next != nullptr && next->DueMs() <= Now();
       next = NextDueTimer()) {
    next->Tick();
    PaintInvalidated();
  }
}

void FormsRuntime::PaintInvalidated() {
  for (Form* form : loaded_) form->PaintInvalidated();
}

void FormsRuntime::TracePicture(std::string_view control, const Picture& picture) {
  const PictureOrigin& origin = picture.Origin();
  if (origin.file) {
    Trace("picture", {{"control", control}, {"file", origin.File()}});
  } else {
    Trace("picture",
          {{"control", control}, {"strip", origin.strip}, {"cell", std::int64_t{origin.cell}}});
  }
}

void FormsRuntime::FormLoaded(Form& form) {
  if (std::find(loaded_.begin(), loaded_.end(), &form) == loaded_.end()) loaded_.push_back(&form);
}

void FormsRuntime::FormUnloaded(Form& form) {
  std::erase(loaded_, &form);
  if (windows_ != nullptr) windows_->FormUnloaded(form);
}

void FormsRuntime::FormShown(Form& form) {
  if (windows_ != nullptr) windows_->FormShown(form);
}

void FormsRuntime::FormHidden(Form& form) {
  if (windows_ != nullptr) windows_->FormHidden(form);
}

void FormsRuntime::PointerChanged(Form& form) {
  if (windows_ != nullptr) windows_->PointerChanged(form);
}

Form* FormsRuntime::ActiveForm() const {
  for (auto form = loaded_.rbegin(); form != loaded_.rend(); ++form) {
    if ((*form)->Visible()) return *form;
  }
  return nullptr;
}

void FormsRuntime::AddTimer(Timer& timer) { timers_.push_back(&timer); }

void FormsRuntime::RemoveTimer(Timer& timer) { std::erase(timers_, &timer); }

}  // namespace talvora
