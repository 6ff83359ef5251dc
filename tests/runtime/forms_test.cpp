#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "platform/font_files.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/forms/image_control.h"
#include "runtime/forms/picture_box.h"
#include "runtime/forms/timer.h"
#include "runtime/text/text_renderer.h"

namespace talvora {
namespace {

constexpr Pixel kRed = 0xFF0000;
constexpr Pixel kBlue = 0x0000FF;

// A form that records its reactions and can refuse to unload.
class TestForm final : public Form {
 public:
  explicit TestForm(FormsRuntime& runtime) : Form(runtime, "frmTest") {}
  std::vector<std::string> reactions;
  bool refuseUnload = false;

 private:
  void Form_Load() override { reactions.push_back("load"); }
  void Form_QueryUnload(bool& cancel, UnloadMode) override {
    reactions.push_back("query unload");
    cancel = refuseUnload;
  }
  void Form_Unload(bool&) override { reactions.push_back("unload"); }
};

class FormsTest : public testing::Test {
 protected:
  void SetUp() override {
    form.MoveWindow({0, 0, 40, 30});
    form.Show();
  }
  void RunTo(std::int64_t ms) {
    for (std::int64_t due = runtime.NextDueMs(); due >= 0 && due <= ms; due = runtime.NextDueMs()) {
      clock.AdvanceTo(due);
      runtime.RunDueTimers();
    }
    clock.AdvanceTo(ms);
  }
  Picture Solid(int w, int h, Pixel color) { return Picture(Surface(w, h, color)); }

  VirtualClock clock;
  std::unique_ptr<FontFiles> fonts = MakeSystemFontFiles();
  TextRenderer text{*fonts};
  FormsRuntime runtime{clock, text};
  TestForm form{runtime};
};

TEST_F(FormsTest, ATimerTicksEveryIntervalWhileEnabled) {
  std::vector<std::int64_t> ticks;
  Timer timer(
      form, "Timer1", [&] { ticks.push_back(clock.NowMs()); }, 50);
  RunTo(175);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{50, 100, 150}));
  timer.SetEnabled(false);
  RunTo(400);
  EXPECT_EQ(ticks.size(), 3u);
  timer.SetEnabled(true);  // counts afresh from now
  RunTo(460);
  EXPECT_EQ(ticks.back(), 450);
}

TEST_F(FormsTest, IntervalZeroNeverTicksAndSettingTheIntervalRestartsTheCountdown) {
  std::vector<std::int64_t> ticks;
  Timer timer(
      form, "Timer2", [&] { ticks.push_back(clock.NowMs()); }, 0);
  RunTo(1000);
  EXPECT_TRUE(ticks.empty());
  EXPECT_EQ(runtime.NextDueMs(), -1);
  timer.SetInterval(100);
  RunTo(1150);
  timer.SetInterval(100);  // restarts at 1150, so no tick at 1200
  RunTo(1249);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{1100}));
  RunTo(1250);
  EXPECT_EQ(ticks.back(), 1250);
}

TEST_F(FormsTest, IntervalsAreClampedToWhatATimerHolds) {
  Timer timer(
      form, "Timer1", [] {}, 0);
  timer.SetInterval(70000);
  EXPECT_EQ(timer.Interval(), 65535);
  timer.SetInterval(-5);
  EXPECT_EQ(timer.Interval(), 0);
}

TEST_F(FormsTest, TimersDueTogetherTickInTheOrderTheyWereMade) {
  std::vector<std::string> order;
  Timer first(
      form, "A", [&] { order.push_back("A"); }, 100);
  Timer second(
      form, "B", [&] { order.push_back("B"); }, 50);
  RunTo(100);
  EXPECT_EQ(order, (std::vector<std::string>{"B", "A", "B"}));
}

TEST_F(FormsTest, ATimerOfAnUnloadedFormStops) {
  int ticks = 0;
  Timer timer(
      form, "Timer1", [&] { ++ticks; }, 10);
  RunTo(30);
  EXPECT_TRUE(form.Unload());
  RunTo(100);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(runtime.AnyFormLoaded());
}

TEST_F(FormsTest, QueryUnloadCanKeepTheFormLoaded) {
  form.refuseUnload = true;
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(form.Loaded());
  form.refuseUnload = false;
  EXPECT_TRUE(form.Unload());
  EXPECT_EQ(form.reactions,
            (std::vector<std::string>{"load", "query unload", "query unload", "unload"}));
}

TEST_F(FormsTest, RefreshClearsWhatWasDrawnAndRedrawsTheControls) {
  ImageControl image(form, "img", 5, 5);
  image.SetPicture(Solid(4, 4, kBlue));
  runtime.PaintInvalidated();
  form.PaintPicture(Solid(40, 30, kRed), 0, 0);
  form.Refresh();
  EXPECT_EQ(form.Canvas().At(0, 0), kBlack);
  EXPECT_EQ(form.Canvas().At(6, 6), kBlue);
}

// A new surface already holds the background, so its first repaint skips
// clearing it; whatever changed the pixels or the colour before that repaint
// must still be cleared.
TEST_F(FormsTest, TheFirstRepaintOfANewSizeClearsWhatChangedSinceItWasMade) {
  runtime.PaintInvalidated();
  form.MoveWindow({0, 0, 50, 40});
  form.PaintPicture(Solid(50, 40, kRed), 0, 0);
  runtime.PaintInvalidated();
  EXPECT_EQ(std::as_const(form).Canvas().At(49, 39), kBlack) << "drawn before the repaint";

  form.MoveWindow({0, 0, 60, 45});
  form.SetBackColor(kBlue);
  runtime.PaintInvalidated();
  EXPECT_EQ(std::as_const(form).Canvas().At(59, 44), kBlue) << "a colour set before the repaint";

  ImageControl image(form, "img", 5, 5);
  image.SetPicture(Solid(4, 4, kRed));
  form.MoveWindow({0, 0, 70, 50});
  form.SetBackColor(kBlack);
  runtime.PaintInvalidated();
  form.PaintPicture(Solid(70, 50, kBlue), 0, 0);
  form.Invalidate({0, 0, 20, 20});
  form.Invalidate({30, 30, 10, 10});
  runtime.PaintInvalidated();
  const Surface& canvas = std::as_const(form).Canvas();
  EXPECT_EQ(canvas.At(6, 6), kRed);
  EXPECT_EQ(canvas.At(1, 1), kBlack);
  EXPECT_EQ(canvas.At(35, 35), kBlack) << "the second part of a repaint";
  EXPECT_EQ(canvas.At(25, 25), kBlue) << "outside the parts";
}

TEST_F(FormsTest, MovingAControlRepaintsOnlyItsOldAndNewPlaces) {
  ImageControl image(form, "img", 2, 2);
  image.SetPicture(Solid(4, 4, kBlue));
  runtime.PaintInvalidated();
  form.PaintPicture(Solid(40, 30, kRed), 0, 0);  // a scene draws over everything
  image.Move(20, 20);
  runtime.PaintInvalidated();
  const Surface& canvas = form.Canvas();
  EXPECT_EQ(canvas.At(3, 3), kBlack) << "the old place is cleared to the background";
  EXPECT_EQ(canvas.At(21, 21), kBlue) << "the new place shows the control";
  EXPECT_EQ(canvas.At(10, 10), kRed) << "the rest keeps what was drawn";
}

TEST_F(FormsTest, HidingAChildWindowRepaintsWhatItUncovers) {
  PictureBox child(form, "pic", {10, 10, 8, 8}, true);
  child.SetPicture(Solid(8, 8, kBlue));
  runtime.PaintInvalidated();
  form.PaintPicture(Solid(40, 30, kRed), 0, 0);
  Surface screen(40, 30);
  form.ComposeOnto(screen, 0, 0);
  EXPECT_EQ(screen.At(12, 12), kBlue) << "the child lies above the form";
  child.SetVisible(false);
  runtime.PaintInvalidated();
  form.ComposeOnto(screen, 0, 0);
  EXPECT_EQ(screen.At(12, 12), kBlack);
  EXPECT_EQ(screen.At(2, 2), kRed);
}

}  // namespace
}  // namespace talvora

namespace talvora {
namespace {

// A host loop that moves the clock 10 ms a moment and closes the modal form
// after a while.
class StepPump final : public EventPump {
 public:
  StepPump(VirtualClock& clock, FormsRuntime& runtime, Form& modal)
      : clock_(clock), runtime_(runtime), modal_(modal) {}
  bool PumpOnce() override {
    clock_.AdvanceTo(clock_.NowMs() + 10);
    runtime_.RunDueTimers();
    if (clock_.NowMs() >= 100) modal_.Unload();
    return true;
  }

 private:
  VirtualClock& clock_;
  FormsRuntime& runtime_;
  Form& modal_;
};

TEST_F(FormsTest, AModalFormReturnsOnceUnloadedWhileTheOwnersTimersTick) {
  int ownerTicks = 0;
  Timer ownerTimer(
      form, "Timer1", [&] { ++ownerTicks; }, 20);
  TestForm modal(runtime);
  StepPump pump(clock, runtime, modal);
  runtime.SetEventPump(&pump);
  modal.ShowModal();
  EXPECT_FALSE(modal.Loaded());
  EXPECT_EQ(clock.NowMs(), 100);
  EXPECT_EQ(ownerTicks, 5);
}

TEST_F(FormsTest, WithoutAHostLoopAModalFormIsShownAndReturns) {
  TestForm modal(runtime);
  modal.ShowModal();
  EXPECT_TRUE(modal.Loaded());
  EXPECT_TRUE(modal.Visible());
}

}  // namespace
}  // namespace talvora
