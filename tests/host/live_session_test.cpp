#include "host/live/live_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <ostream>

#include "common/utf8_path.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_file_services.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/memory_registry.h"
#include "platform/posix/drive_folder_paths.h"
#include "platform/posix/ini_file_profile.h"
#include "runtime/forms/drawn_desktop.h"
#include "runtime/forms/form.h"
#include "runtime/forms/window_frame.h"
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

  // Adds events to come, after those scripted for the same time.
  void Push(const std::vector<TimedEvent>& events) {
    for (const TimedEvent& event : events) {
      const auto later = std::ranges::find_if(
          script_, [&](const TimedEvent& scripted) { return scripted.ms > event.ms; });
      script_.insert(later, event);
    }
  }

  std::vector<DisplayEvent> WaitForEvents(std::int64_t timeoutMs) override {
    if (beforeWait) beforeWait();
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
    lastFrame.assign(pixels.begin(), pixels.end());
  }
  void ShowAsDialogWindow(const DialogWindowRequest& request) override {
    dialogWindow = request;
    width_ = request.width;
    height_ = request.height;
  }
  void SetDragArea(const DisplayRect& area) override { dragArea = area; }
  void SetPointer(const PointerImage* image) override {
    pointers.push_back(image != nullptr ? std::optional(*image) : std::nullopt);
  }
  std::uint32_t LastFrameAt(int x, int y) const {
    return lastFrame[static_cast<std::size_t>(y * width_ + x)];
  }

  struct Frame {
    int width;
    int height;
    int litPixels;
    std::int64_t ms;
  };
  std::vector<std::int64_t> waits;
  std::vector<Frame> frames;
  std::vector<std::uint32_t> lastFrame;
  std::optional<DialogWindowRequest> dialogWindow;
  std::optional<DisplayRect> dragArea;
  std::vector<std::optional<PointerImage>> pointers;  // nullopt: the system's arrow
  std::function<void()> beforeWait;

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

class LiveSessionFixture : public ::testing::Test {
 protected:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 200;

  // Runs the session to its end; `beforeWait` sees it each time it waits.
  void Run(const char* commandLine, const std::vector<TimedEvent>& script,
           const std::function<void(LiveSession&)>& beforeWait = {}) {
    display_.emplace(clock_, kWidth, kHeight, std::deque<TimedEvent>(script.begin(), script.end()));
    LiveServices services{clock_,   registry_, profile_,  paths_, text_,
                          desktop_, desktop_,  *display_, shell_, files_};
    LiveSession session(services, "c:\\talvora");
    if (beforeWait) display_->beforeWait = [&] { beforeWait(session); };
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

class LiveSessionTest : public LiveSessionFixture, public ::testing::WithParamInterface<RunCase> {};

TEST_P(LiveSessionTest, EndsWhenTheSaverWindowUnloads) {
  desktop_.SetOtherWindowsClientSize(kWidth, kHeight);
  Run(GetParam().commandLine, GetParam().script);
  EXPECT_EQ(clock_.NowMs(), GetParam().endsAtMs);
  // The saver's display stays as it was opened, its pointer the saver's.
  EXPECT_FALSE(display_->dialogWindow);
  EXPECT_FALSE(display_->dragArea);
  EXPECT_TRUE(display_->pointers.empty());
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

// The setup dialog's window: the dialog's client area sits inside the frame
// drawn around it.
constexpr int kSetupClientWidth = 591;
constexpr int kSetupClientHeight = 305;
constexpr int kSetupWidth = kSetupClientWidth + 2 * kDialogFrameBorder;
constexpr int kSetupHeight = kSetupClientHeight + kDialogFrameTop + kDialogFrameBorder;
constexpr const char* kSetupCaption = "Vudavev Arura Talvora - Rizeda98 Screen Saver";
constexpr int kEscape = 0x1B;
constexpr int kReturn = 0x0D;

struct WindowPoint {
  int x;
  int y;
};
// The centre of a setup button laid out at those twips, in window pixels.
WindowPoint SetupButtonCentre(int left, int top, int width, int height) {
  return {kDialogFrameBorder + (left + width / 2) / kTwipsPerPixel,
          kDialogFrameTop + (top + height / 2) / kTwipsPerPixel};
}
const WindowPoint kCredits = SetupButtonCentre(3720, 3840, 1515, 615);
const WindowPoint kCancel = SetupButtonCentre(5700, 3840, 1515, 615);

// A left click as the display reports it: the press, the release, the click.
std::vector<TimedEvent> ClickAt(std::int64_t ms, WindowPoint at) {
  const double x = at.x;
  const double y = at.y;
  return {{ms, {.kind = Kind::kMouseMove, .x = x, .y = y}},
          {ms, {.kind = Kind::kMouseDown, .button = kLeftButtonMask, .x = x, .y = y}},
          {ms, {.kind = Kind::kMouseUp, .button = kLeftButtonMask, .x = x, .y = y}},
          {ms, {.kind = Kind::kClick}}};
}
// A control key: its key down, then its character.
std::vector<TimedEvent> KeyAt(std::int64_t ms, int key) {
  return {{ms, {.kind = Kind::kKeyDown, .keyCode = key}},
          {ms, {.kind = Kind::kKeyPress, .character = key}}};
}
std::vector<TimedEvent> CloseAt(std::int64_t ms) { return {{ms, kClose}}; }

std::vector<TimedEvent> Joined(std::initializer_list<std::vector<TimedEvent>> parts) {
  std::vector<TimedEvent> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class LiveSetupFixture : public LiveSessionFixture {
 protected:
  // Runs "/c", noting the dialog in front each time the session waits, as
  // each change of it; `react` may add input then.
  void RunSetup(const std::vector<TimedEvent>& script,
                const std::function<void(const Form&)>& react = {}) {
    Run("/c", script, [&](LiveSession& session) {
      const Form* active = session.Runtime().ActiveForm();
      if (active == nullptr) return;
      if (fronts_.empty() || fronts_.back() != active->Name()) {
        fronts_.emplace_back(active->Name());
        if (react) react(*active);
      }
    });
  }

  bool SaverStored() const {
    return registry_.Stored(RegistryRoot::kLocalMachine, kSettingsKey, "Saver") != nullptr;
  }

  std::vector<std::string> fronts_;
};

class LiveSetupTest : public LiveSetupFixture {};

TEST_F(LiveSetupTest, OpensABorderlessWindowOfTheDialogsOuterSizeMovedByItsCaption) {
  RunSetup(CloseAt(100));
  EXPECT_EQ(runMode_, 0);
  ASSERT_TRUE(display_->dialogWindow);
  EXPECT_EQ(*display_->dialogWindow,
            (DialogWindowRequest{kSetupWidth, kSetupHeight, kSetupCaption}));
  const PixelRect closeBox = DialogCloseBox({0, 0, kSetupWidth, kSetupHeight});
  EXPECT_EQ(display_->dragArea,
            (DisplayRect{kDialogFrameBorder, kDialogFrameBorder, closeBox.left - kDialogFrameBorder,
                         kDialogCaptionHeight}));
  ASSERT_FALSE(display_->frames.empty());
  for (const auto& frame : display_->frames) {
    EXPECT_EQ(frame.width, kSetupWidth);
    EXPECT_EQ(frame.height, kSetupHeight);
  }
  // The drawn frame: the active caption bar's navy left of the title.
  EXPECT_EQ(display_->LastFrameAt(kDialogFrameBorder + 1, kDialogFrameBorder + 9), 0x000080u);
  // The setup dialog fills the window: no desktop shows.
  EXPECT_EQ(std::ranges::count(display_->lastFrame, 0x008080u), 0);
  EXPECT_EQ(display_->pointers, (std::vector<std::optional<PointerImage>>{std::nullopt}));
  EXPECT_EQ(clock_.NowMs(), 100);
  EXPECT_FALSE(SaverStored());
}

TEST_F(LiveSetupTest, TheCreditsCloseBoxClosesThem) {
  RunSetup(ClickAt(100, kCredits), [&](const Form& front) {
    if (front.Name() != "frmAbout") return;
    const PixelRect box = DialogCloseBox(DrawnDesktop::WindowBounds(front));
    const std::int64_t now = clock_.NowMs();
    display_->Push(ClickAt(now + 100, {box.left + box.width / 2, box.top + box.height / 2}));
    display_->Push(CloseAt(now + 200));
  });
  EXPECT_EQ(fronts_, (std::vector<std::string>{"SetupForm", "frmAbout", "SetupForm"}));
  EXPECT_EQ(clock_.NowMs(), 300);
  EXPECT_FALSE(SaverStored());
}

TEST_F(LiveSetupTest, TheHandShowsOverACreditsLink) {
  RunSetup(KeyAt(100, kEscape), [&](const Form& front) {
    if (front.Name() != "frmAbout") return;
    const PixelRect client = front.ScreenBounds();
    const auto link = front.ControlBounds("lblDescription(2)");
    ASSERT_TRUE(link);
    const std::int64_t now = clock_.NowMs();
    display_->Push({{now + 100, Move(client.left + link->left + link->width / 2,
                                     client.top + link->top + link->height / 2)},
                    {now + 200, Move(client.left + 1, client.top + 1)}});
    display_->Push(CloseAt(now + 300));
  });
  ASSERT_EQ(display_->pointers.size(), 3u);
  EXPECT_FALSE(display_->pointers[0]);
  ASSERT_TRUE(display_->pointers[1]);
  const PointerImage& hand = *display_->pointers[1];
  EXPECT_EQ(hand.width, 32);
  EXPECT_EQ(hand.height, 32);
  EXPECT_EQ(hand.hotX, 13);
  EXPECT_EQ(hand.hotY, 9);
  EXPECT_EQ(hand.mask.size(), 32u * 32u);
  // The glove's outline and fill: some pixels painted, others left clear.
  EXPECT_GT(std::ranges::count(hand.mask, false), 0);
  EXPECT_GT(std::ranges::count(hand.mask, true), 0);
  EXPECT_FALSE(display_->pointers[2]);
}

struct SetupCase {
  const char* name;
  std::vector<TimedEvent> script;
  std::vector<std::string> fronts;  // the dialog in front, as it changes
  std::int64_t endsAtMs;
  bool stored;  // the settings were written

  friend std::ostream& operator<<(std::ostream& out, const SetupCase& c) { return out << c.name; }
};

class LiveSetupInputTest : public LiveSetupFixture,
                           public ::testing::WithParamInterface<SetupCase> {};

TEST_P(LiveSetupInputTest, ReachesTheDialogInFront) {
  RunSetup(GetParam().script);
  EXPECT_EQ(fronts_, GetParam().fronts);
  EXPECT_EQ(clock_.NowMs(), GetParam().endsAtMs);
  EXPECT_EQ(SaverStored(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LiveSetupInputTest,
    ::testing::Values(
        SetupCase{"ACreditsClickOpensThem",
                  Joined({ClickAt(100, kCredits), CloseAt(200)}),
                  {"SetupForm", "frmAbout"},
                  200,
                  false},
        // The credits' OK stores the settings it read.
        SetupCase{"EscapeOpensTheCreditsReturnClosesThem",
                  Joined({KeyAt(100, kEscape), KeyAt(200, kReturn), CloseAt(300)}),
                  {"SetupForm", "frmAbout", "SetupForm"},
                  300,
                  true},
        SetupCase{"ClosingTheWindowClosesEveryDialogAndStoresNothing",
                  Joined({KeyAt(100, kEscape), CloseAt(200)}),
                  {"SetupForm", "frmAbout"},
                  200,
                  false},
        SetupCase{"ReturnStoresTheChoices", KeyAt(100, kReturn), {"SetupForm"}, 100, true},
        SetupCase{"CancelStoresNothing", ClickAt(100, kCancel), {"SetupForm"}, 100, false},
        SetupCase{"ACaptionClickIsNotTheDialogs",
                  Joined({ClickAt(100, {kSetupWidth / 2, kDialogFrameBorder + 5}), CloseAt(200)}),
                  {"SetupForm"},
                  200,
                  false}),
    ::testing::PrintToStringParamName());

}  // namespace
}  // namespace talvora
