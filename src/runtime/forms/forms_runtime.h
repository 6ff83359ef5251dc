#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "common/tracer.h"
#include "platform/window_services.h"
#include "runtime/graphics/picture.h"

namespace talvora {

class Form;
class Timer;
class TextRenderer;

// What a host runs while a modal form is open: the next input event or timer
// tick, waiting for it as the host waits.
class EventPump {
 public:
  virtual ~EventPump() = default;
  // Handles the next moment; false when nothing more will ever happen.
  virtual bool PumpOnce() = 0;
};

// The host's windows for forms: it places a form's window as the form is
// shown, takes it away as the form hides or unloads, and shows its pointer.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual void FormShown(Form& form) = 0;
  virtual void FormHidden(Form& form) = 0;
  virtual void FormUnloaded(Form& form) = 0;
  virtual void PointerChanged(Form& /*form*/) {}
  // The handle of the form's window, for calls that name their parent; 0
  // when the form has none.
  virtual WindowHandle HandleOf(const Form& /*form*/) const { return 0; }
};

// The forms run time: which forms are loaded, their timers, the clock they
// tick on, and the deferred repaint of what changed. One per process; every
// form and timer belongs to it, on the one user-interface thread.
class FormsRuntime {
 public:
  FormsRuntime(const Clock& clock, TextRenderer& text) : clock_(clock), text_(text) {}
  FormsRuntime(const FormsRuntime&) = delete;
  FormsRuntime& operator=(const FormsRuntime&) = delete;

  std::int64_t Now() const { return clock_.NowMs(); }
  TextRenderer& Text() { return text_; }

  void SetTracer(Tracer* tracer) { tracer_ = tracer; }
  void SetEventPump(EventPump* pump) { pump_ = pump; }
  void SetWindowSystem(WindowSystem* windows) { windows_ = windows; }
  // Runs the host's next moment for a modal form; false without a host loop
  // or when nothing more will happen.
  bool Pump() { return pump_ != nullptr && pump_->PumpOnce(); }
  void Trace(std::string_view op, std::initializer_list<TraceField> fields) {
    if (tracer_ != nullptr) tracer_->Record(op, fields);
  }

  // Records that a control was given a picture, by the picture's origin.
  void TracePicture(std::string_view control, const Picture& picture);

  // Forms in the order they were loaded; the process ends when none is left.
  const std::vector<Form*>& LoadedForms() const { return loaded_; }
  bool AnyFormLoaded() const { return !loaded_.empty(); }
  // The form input goes to: the visible form loaded last (a modal form
  // always is), nullptr when none is visible.
  Form* ActiveForm() const;

  // The earliest time a timer is due, or -1 when none will tick.
  std::int64_t NextDueMs() const;
  // Runs every timer due at or before the clock's time, earliest first (the
  // timer made first among equals), repainting after each tick, until none
  // is due any more.
  void RunDueTimers();
  // Repaints what input, ticks or control changes invalidated, as the window
  // system does once the event in hand has been handled.
  void PaintInvalidated();

  // Called by forms and timers as they come and go.
  void FormLoaded(Form& form);
  void FormUnloaded(Form& form);
  void FormShown(Form& form);
  void FormHidden(Form& form);
  void PointerChanged(Form& form);
  WindowHandle HandleOf(const Form& form) const {
    return windows_ == nullptr ? 0 : windows_->HandleOf(form);
  }
  void AddTimer(Timer& timer);
  void RemoveTimer(Timer& timer);

 private:
  Timer* NextDueTimer() const;

  const Clock& clock_;
  TextRenderer& text_;
  Tracer* tracer_ = nullptr;
  EventPump* pump_ = nullptr;
  WindowSystem* windows_ = nullptr;
  std::vector<Form*> loaded_;
  std::vector<Timer*> timers_;
};

}  // namespace talvora
