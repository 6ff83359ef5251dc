#pragma once

#include <cstdint>

#include "host/saver_environment.h"
#include "platform/window_services.h"
#include "runtime/forms/form.h"
#include "runtime/forms/timer.h"
#include "scenes/banner.h"
#include "scenes/cup_table.h"
#include "scenes/flying_balls.h"
#include "scenes/flying_trophies.h"
#include "scenes/ini_files.h"
#include "scenes/slideshows.h"

namespace talvora {

// frmSSaver: the window the scenes draw on, full screen or in the preview.
// It ends on input as the run mode and the Mouse setting allow, asks for the
// password before it goes when protection is on, and drives the chosen scene
// and the banner from its two timers.
class SaverWindow final : public Form {
 public:
  SaverWindow(SaverEnvironment& environment, WindowHandle handle);

  WindowHandle Handle() const { return handle_; }
  bool PWProtect() const { return PWProtect_; }
  std::int16_t LastMouseX() const { return LastMouseX_; }
  std::int16_t LastMouseY() const { return LastMouseY_; }

  Timer& Timer1() { return Timer1_; }
  Timer& Timer2() { return Timer2_; }

 private:
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;
  void Form_KeyPress(int keyAscii) override;
  void Form_Click() override;
  void Form_DblClick() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseMove(int button, int shift, double x, double y) override;
  void Form_QueryUnload(bool& cancel, UnloadMode mode) override;
  void Form_Unload(bool& cancel) override;

  void Timer1_Timer();
  void Timer2_Timer();

  bool FullScreen() const;
  bool MouseEnds() const;
  void EndRequest();
  SceneContext Scene();

  SaverEnvironment& env_;
  WindowHandle handle_;
  IniFiles ini_;
  bool PWProtect_ = false;
  std::int16_t LastMouseX_ = 0;
  std::int16_t LastMouseY_ = 0;
  Timer Timer1_;
  Timer Timer2_;

  FlyingBalls balls_;
  FlyingTrophies trophies_;
  PosterSlideshow posters_;
  ChampionSlideshow champions_;
  CupTable table_;
  AdvertisingBanner banner_;
};

}  // namespace talvora
