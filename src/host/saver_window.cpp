#include "host/saver_window.h"

#include <cmath>
#include <cstdlib>

#include "common/number_text.h"
#include "common/rounding.h"
#include "host/scene_dispatcher.h"
#include "settings/key_value.h"
#include "settings/settings_store.h"

namespace talvora {
namespace {

constexpr int kMouseJump = 5;
constexpr int kCursorShownEnough = 6;
constexpr int kCursorHiddenEnough = -6;

}  // namespace

SaverWindow::SaverWindow(SaverEnvironment& environment, WindowHandle handle)
    : Form(environment.runtime, "frmSSaver"),
      env_(environment),
      handle_(handle),
      ini_(environment.profile, environment.paths, environment.runtime),
      Timer1_(
          *this, "Timer1", [this] { Timer1_Timer(); }, 50, false),
      Timer2_(
          *this, "Timer2", [this] { Timer2_Timer(); }, 0, false),
      table_(*this),
      banner_(*this) {
  SetBackColor(kBlack);
}

SceneContext SaverWindow::Scene() {
  return {*this,
          env_.process.settings,
          env_.process.RunMode,
          env_.pictures,
          env_.random,
          env_.clock,
          ini_,
          env_.paths,
          env_.programDir};
}

void SaverWindow::Form_Load() {
  std::string scratch;
  PWProtect_ = GetKeyValue(env_.registry, RegistryRoot::kCurrentUser, "Control Panel\\Desktop",
                           "ScreenSaveUsePassword", scratch);
  LoadSettings(env_.registry, env_.process.settings);
  env_.process.settings.SysDir = "c:\\windows\\system\\";
  if (env_.process.RunMode == kRunModePreview) env_.saver.ShowCursor(true);
  if (env_.process.RunMode == kRunModeFullScreen) env_.saver.ShowCursor(false);
  banner_.StartBanner(Scene(), Timer2_);
  table_.LoadBadge(env_.pictures);
  Timer1_.SetEnabled(true);
}

bool SaverWindow::FullScreen() const { return env_.process.RunMode == kRunModeFullScreen; }

// Mouse read strictly as a number; a text that is not one counts as 0, the
// default, so the mouse still ends the saver.
bool SaverWindow::MouseEnds() const {
  const std::string& mouse = env_.process.settings.Mouse;
  return !IsNumberText(mouse) || LeadingNumber(mouse) == 0;
}

void SaverWindow::EndRequest() { Unload(UnloadMode::kCode); }

void SaverWindow::Form_KeyDown(int /*keyCode*/, int /*shift*/) {
  if (FullScreen()) EndRequest();
}

void SaverWindow::Form_KeyPress(int /*keyAscii*/) {
  if (FullScreen()) EndRequest();
}

void SaverWindow::Form_Click() {
  if (FullScreen() && MouseEnds()) EndRequest();
}

void SaverWindow::Form_DblClick() { Form_Click(); }

void SaverWindow::Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {
  Form_Click();
}

void SaverWindow::Form_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
  if (!FullScreen() || !MouseEnds()) return;
  const double dx = std::abs(LastMouseX_ - x);
  const double dy = std::abs(LastMouseY_ - y);
  const bool jump = dx >= kMouseJump || dy >= kMouseJump;
  if (!jump || (LastMouseX_ == 0 && LastMouseY_ == 0)) {
    LastMouseX_ = RoundToInt16(x);
    LastMouseY_ = RoundToInt16(y);
    return;
  }
  EndRequest();
}

void SaverWindow::Form_QueryUnload(bool& cancel, UnloadMode /*mode*/) {
  if (!FullScreen() || !PWProtect_) return;
  while (env_.saver.ShowCursor(true) < kCursorShownEnough) {
  }
  if ((env_.saver.VerifyScreenSavePwd(handle_) & 0xFFFF) != 0) return;
  while (env_.saver.ShowCursor(false) > kCursorHiddenEnough) {
  }
  cancel = true;
}

void SaverWindow::Form_Unload(bool& /*cancel*/) {
  if (FullScreen() && PWProtect_) env_.saver.SystemParametersInfo(kSpiSetScreenSaverRunning, 0);
  Timer1_.SetEnabled(false);
  if (FullScreen()) env_.saver.ShowCursor(true);
}

void SaverWindow::Timer1_Timer() {
  const SceneContext scene = Scene();
  switch (SceneOf(env_.process.settings.Saver)) {
    case SceneChoice::kBalls:
      Timer1_.SetInterval(kFlyingIntervalMs);
      balls_.AnimateBalls(scene);
      break;
    case SceneChoice::kTrophies:
      Timer1_.SetInterval(kFlyingIntervalMs);
      trophies_.AnimateTrophies(scene);
      break;
    case SceneChoice::kPosters:
      Timer1_.SetInterval(SlideshowIntervalMs(env_.process.settings.SS03Vel, 1));
      posters_.ShowNextPoster(scene);
      break;
    case SceneChoice::kChampions:
      Timer1_.SetInterval(SlideshowIntervalMs(env_.process.settings.SS04Vel, 3));
      champions_.ShowNextChampion(scene);
      break;
    case SceneChoice::kCupTable:
      Timer1_.SetInterval(SlideshowIntervalMs(env_.process.settings.SS05Vel, 4));
      table_.ShowCupTable(scene);
      break;
    case SceneChoice::kNone:
      break;
  }
}

void SaverWindow::Timer2_Timer() { banner_.Timer2_Timer(Scene()); }

}  // namespace talvora
