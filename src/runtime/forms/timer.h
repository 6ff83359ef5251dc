#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace talvora {

class Form;

// A window timer of a form. It ticks every Interval() milliseconds of the
// run time's clock while it is enabled, its interval is not 0 and its form is
// loaded. Setting the interval, or enabling a disabled timer, restarts the
// countdown from the current time.
class Timer {
 public:
  static constexpr int kMaxInterval = 65535;

  Timer(Form& owner, std::string name, std::function<void()> onTick, int interval = 0,
        bool enabled = true);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }

  int Interval() const { return interval_; }
  // Values outside 0 to 65535 are clamped to that range.
  void SetInterval(int ms);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // When the next tick is due, or -1 when the timer does not tick.
  std::int64_t DueMs() const;
  void Tick();

 private:
  void Restart();

  Form& owner_;
  std::string name_;
  std::function<void()> onTick_;
  int interval_ = 0;
  bool enabled_ = true;
  std::int64_t startMs_ = 0;
};

}  // namespace talvora
