#include "host/live/live_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <ostream>

#include "common/utf8_path.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_services.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/memory_registry.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/ini_file_profile.h"
#include "runtime/forms/form.h"
#include "settings/settings_location.h"
#include "tests/support/temp_folder.h"

namespace talvora {
namespace {

using Kind = DisplayEvent::Kind;

struct TimedEvent {
  std::int64_t ms;
  DisplayEvent event;
};

// A display on a virtual clock: waiting moves the clock on to the next
// scripted event or to the end of the wait, and every frame is kept.
class ScriptedDisplay final : public LiveDisplay {
 public:
  ScriptedDisplay(VirtualClock& clock, int width, int height, std::deque<TimedEvent> script)
      : clock_(clock), width_(width), height_(height), script_(std::move(script)) {}

  std::vector<DisplayEvent> WaitForEvents(std::int64_t timeoutMs) override {
    waits.push_back(timeoutMs);
    const std::int64_t now = clock_.NowMs();
    if (script_.empty() || (timeoutMs >= 0 && script_.front().ms > now + timeoutMs)) {
      // A wait without end and nothing to come would hang the session.
      if (timeoutMs < 0) return {{.kind = Kind::kClose}};
      clock_.AdvanceTo(now + timeoutMs);
      return {};
    }
    clock_.AdvanceTo(script_.front().ms);
    std::vector<DisplayEvent> events;
    while (!script_.empty() && script_.front().ms <= clock_.NowMs()) {
      const DisplayEvent event = script_.front().event;
      script_.pop_front();
      if (event.kind == Kind::kResize) {
        width_ = event.width;
        height_ = event.height;
      }
      events.push_back(event);
    }
    return events;
  }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Present(std::span<const std::uint32_t> pixels, int width, int height) override {
    frames.push_back(
        {width, height,
         static_cast<int>(std::ranges::count_if(pixels, [](std::uint32_t p) { return p != 0; })),
         clock_.NowMs()});
  }

  struct Frame {
    int width;
    int height;
    int litPixels;
    std::int64_t ms;
  };
  std::vector<std::int64_t> waits;
  std::vector<Frame> frames;

 private:
  VirtualClock& clock_;
  int width_;
  int height_;
  std::deque<TimedEvent> script_;
};

struct RunCase {
  const char* name;
  const char* commandLine;
  std::vector<TimedEvent> script;
  std::int64_t endsAtMs;  // when the last form is gone

  friend std::ostream& operator<<(std::ostream& out, const RunCase& c) { return out << c.name; }
};

class LiveSessionTest : public ::testing::TestWithParam<RunCase> {
 protected:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 200;

  void Run(const char* commandLine, const std::vector<TimedEvent>& script) {
    display_.emplace(clock_, kWidth, kHeight, std::deque<TimedEvent>(script.begin(), script.end()));
    LiveServices services{clock_,   registry_, profile_,  paths_, text_,
                          desktop_, desktop_,  *display_, shell_, files_};
    LiveSession session(services, "c:\\talvora");
    session.Start(commandLine, 0x3000);
    session.Run();
    runMode_ = session.Process().RunMode;
  }

  VirtualClock clock_;
  MemoryRegistry registry_;
  IniFileProfile profile_;
  TempFolder driveC_;
  DriveFolderPaths paths_{PathFromUtf8(driveC_.PathOf(""))};
  std::unique_ptr<FontFiles> fonts_ = MakeSystemFontFiles();
  TextRenderer text_{*fonts_};
  FakeDesktop desktop_{kWidth, kHeight};
  FakeShell shell_;
  FakeFileServices files_;
  std::optional<ScriptedDisplay> display_;
  std::int32_t runMode_ = 0;
};

TEST_P(LiveSessionTest, EndsWhenTheSaverWindowUnloads) {
  desktop_.SetOtherWindowsClientSize(kWidth, kHeight);
  Run(GetParam().commandLine, GetParam().script);
  EXPECT_EQ(clock_.NowMs(), GetParam().endsAtMs);
}

const DisplayEvent kKey{.kind = Kind::kKeyDown, .keyCode = 'A'};
const DisplayEvent kClose{.kind = Kind::kClose};
DisplayEvent Move(double x, double y) { return {.kind = Kind::kMouseMove, .x = x, .y = y}; }

INSTANTIATE_TEST_SUITE_P(
    Inputs, LiveSessionTest,
    ::testing::Values(
        RunCase{"KeyEndsFullScreen", "/s", {{400, kKey}, {900, kClose}}, 400},
        RunCase{"KeyPressEndsFullScreen",
                "/s",
                {{300, {.kind = Kind::kKeyPress, .character = 'x'}}, {900, kClose}},
                300},
        RunCase{"MouseJumpEndsFullScreen",
                "/s",
                {{100, Move(50, 50)}, {200, Move(52, 52)}, {350, Move(60, 52)}, {900, kClose}},
                350},
        RunCase{"ClickEndsFullScreen", "/s", {{250, {.kind = Kind::kClick}}, {900, kClose}}, 250},
        RunCase{"InputLeavesThePreview",
                "/p 1234",
                {{100, kKey}, {200, Move(10, 10)}, {300, Move(90, 90)}, {700, kClose}},
                700},
        RunCase{"CloseEndsThePreview", "/p 1234", {{500, kClose}}, 500}),
    ::testing::PrintToStringParamName());

TEST_F(LiveSessionTest, PresentsAFrameAfterEveryTickAndWaitsNoLongerThanTheTimer) {
  Run("/s", {{1000, kKey}});
  ASSERT_EQ(runMode_, 1);
  // Start-up's frame, then one for each 50 ms scene tick up to the key.
  ASSERT_GE(display_->frames.size(), 20u);
  for (const auto& frame : display_->frames) {
    EXPECT_EQ(frame.width, kWidth);
    EXPECT_EQ(frame.height, kHeight);
  }
  EXPECT_TRUE(std::ranges::any_of(display_->frames, [](const auto& f) { return f.litPixels > 0; }))
      << "the balls are drawn";
  EXPECT_THAT(display_->waits,
              ::testing::Each(::testing::AllOf(::testing::Ge(0), ::testing::Le(50))));
}

TEST_F(LiveSessionTest, TheSaverFollowsTheDrawingAreaWhenItIsResized) {
  desktop_.SetOtherWindowsClientSize(kWidth, kHeight);
  Run("/p 1234", {{200, {.kind = Kind::kResize, .width = 100, .height = 80}}, {400, kClose}});
  ASSERT_EQ(runMode_, 4);
  const auto& last = display_->frames.back();
  EXPECT_EQ(last.width, 100);
  EXPECT_EQ(last.height, 80);
  EXPECT_EQ(display_->frames.front().width, kWidth);
}

TEST_F(LiveSessionTest, AModalFormRunsOnTheSessionsLoopWithTheSaverTicking) {
  display_.emplace(clock_, kWidth, kHeight, std::deque<TimedEvent>{{300, kClose}, {500, kKey}});
  LiveServices services{clock_,   registry_, profile_,  paths_, text_,
                        desktop_, desktop_,  *display_, shell_, files_};
  LiveSession session(services, "c:\\talvora");
  session.Start("/s", 0x3000);
  Form dialog(session.Runtime(), "dialog");
  dialog.ShowModal();
  // The close went to the dialog, the one in front; the saver kept ticking.
  EXPECT_EQ(clock_.NowMs(), 300);
  EXPECT_FALSE(dialog.Loaded());
  EXPECT_EQ(session.Runtime().LoadedForms().size(), 1u);
  EXPECT_GE(display_->frames.size(), 6u);
  session.Run();
  EXPECT_EQ(clock_.NowMs(), 500);
  EXPECT_FALSE(session.Runtime().AnyFormLoaded());
}

TEST_F(LiveSessionTest, ASwitchWithoutAWindowNeitherWaitsNorPresents) {
  Run("/a 5", {});
  EXPECT_TRUE(display_->waits.empty());
  EXPECT_TRUE(display_->frames.empty());
}

}  // namespace
}  // namespace talvora
