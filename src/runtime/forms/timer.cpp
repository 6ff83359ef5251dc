#include "runtime/forms/timer.h"

#include <algorithm>

#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"

namespace talvora {

Timer::Timer(Form& owner, std::string name, std::function<void()> onTick, int interval,
             bool enabled)
    : owner_(owner),
      name_(std::move(name)),
      onTick_(std::move(onTick)),
      interval_(std::clamp(interval, 0, kMaxInterval)),
      enabled_(enabled) {
  owner_.Runtime().AddTimer(*this);
  Restart();
}

Timer::~Timer() { owner_.Runtime().RemoveTimer(*this); }

void Timer::SetInterval(int ms) {
  interval_ = std::clamp(ms, 0, kMaxInterval);
  Restart();
  owner_.Runtime().Trace("interval", {{"timer", name_}, {"ms", std::int64_t{interval_}}});
}

void Timer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) Restart();
  enabled_ = enabled;
  owner_.Runtime().Trace("enabled", {{"timer", name_}, {"on", enabled}});
}

std::int64_t Timer::DueMs() const {
  if (!enabled_ || interval_ == 0 || !owner_.Loaded()) return -1;
  return startMs_ + interval_;
}

void Timer::Tick() {
  startMs_ = owner_.Runtime().Now();
  onTick_();
}

void Timer::Restart() { startMs_ = owner_.Runtime().Now(); }

}  // namespace talvora
