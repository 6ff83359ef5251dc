#include "host/saver_window.h"

#include <gtest/gtest.h>

#include "tests/support/saver_harness.h"

namespace talvora {
namespace {

// Key codes as Windows numbers them.
constexpr int kKeyA = 0x41;

std::vector<std::string> CallsOf(const RecordingTracer& trace, std::string_view fn) {
  std::vector<std::string> args;
  for (const TraceRecord& call : trace.Of("call", "fn", fn)) args.push_back(call.Get("args"));
  return args;
}

TEST(SaverWindow, FullScreenLoadsHidesTheCursorAndCoversTheDesktop) {
  SaverHarness saver({1024, 768});
  saver.Start("/s");
  ASSERT_TRUE(saver.SaverLoaded());
  EXPECT_EQ(saver.Session().Process().RunMode, 1);
  EXPECT_EQ(saver.Session().Desktop().CursorCount(), -1);
  EXPECT_EQ(saver.Saver().ScreenBounds(), (PixelRect{0, 0, 1024, 768}));
  EXPECT_EQ(CallsOf(saver.Trace(), "SetWindowPos"),
            (std::vector<std::string>{"[131104,-1,0,0,1024,768,64]"}));
  EXPECT_EQ(saver.Session().Process().settings.SysDir, "c:\\windows\\system\\");
  EXPECT_TRUE(saver.Saver().Timer1().Enabled());
}

TEST(SaverWindow, PreviewBecomesAChildOfItsParentSizedToItsClientArea) {
  SaverHarness saver({800, 600}, {152, 112});
  saver.Start("/p 1234");
  ASSERT_TRUE(saver.SaverLoaded());
  EXPECT_EQ(saver.Session().Process().RunMode, 4);
  EXPECT_EQ(saver.Saver().Caption(), "Preview");
  EXPECT_EQ(saver.Session().Desktop().ParentOf(HeadlessSession::kSaverWindowHandle), 1234);
  EXPECT_NE(saver.Session().Desktop().StyleOf(HeadlessSession::kSaverWindowHandle) & kWsChild, 0);
  EXPECT_EQ(CallsOf(saver.Trace(), "SetWindowPos"),
            (std::vector<std::string>{"[131104,0,0,0,152,112,84]"}));
  EXPECT_EQ(saver.Session().Desktop().CursorCount(), 1);
}

TEST(SaverWindow, PreviewWithoutAHandleOpensNothing) {
  SaverHarness saver;
  saver.Start("/p");
  EXPECT_FALSE(saver.SaverLoaded());
  EXPECT_FALSE(saver.Session().Runtime().AnyFormLoaded());
}

TEST(SaverWindow, PasswordChangeCallsTheServiceWithTheParentHandle) {
  SaverHarness saver;
  saver.Start("/a 1234");
  EXPECT_FALSE(saver.Session().Runtime().AnyFormLoaded());
  EXPECT_EQ(CallsOf(saver.Trace(), "PwdChangePasswordA"),
            (std::vector<std::string>{"[\"SCRSAVE\",1234,0,0]"}));
}

TEST(SaverWindow, AKeyEndsTheFullScreenSaverAndBringsTheCursorBack) {
  SaverHarness saver;
  saver.Start("/s");
  saver.Key(kKeyA);
  EXPECT_FALSE(saver.SaverLoaded());
  EXPECT_EQ(saver.Session().Desktop().CursorCount(), 0);
  EXPECT_FALSE(saver.Saver().Timer1().Enabled());
}

TEST(SaverWindow, WithMouseIgnoredClicksAndJumpsDoNotEndIt) {
  SaverHarness saver;
  saver.Store("Mouse", "1");
  saver.Start("/s");
  saver.MouseMove(100, 100);
  saver.MouseMove(300, 300);
  saver.Click(300, 300);
  EXPECT_TRUE(saver.SaverLoaded());
  saver.Key(kKeyA);
  EXPECT_FALSE(saver.SaverLoaded());
}

struct MoveCase {
  const char* what;
  std::vector<std::pair<double, double>> moves;
  bool ends;
  friend std::ostream& operator<<(std::ostream& out, const MoveCase& c) { return out << c.what; }
};

class MouseMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(MouseMoveTest, EndsOnlyOnAJumpFromARecordedPosition) {
  SaverHarness saver;
  saver.Start("/s");
  for (const auto& [x, y] : GetParam().moves) saver.MouseMove(x, y);
  EXPECT_EQ(!saver.SaverLoaded(), GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MouseMoveTest,
    testing::Values(MoveCase{"the first move only records", {{500, 400}}, false},
                    MoveCase{"a jump of five ends", {{500, 400}, {505, 400}}, true},
                    MoveCase{"five in y ends", {{500, 400}, {500, 395}}, true},
                    MoveCase{"four in both does not", {{500, 400}, {504, 404}}, false},
                    MoveCase{"a slow drift never ends",
                             {{500, 400}, {504, 400}, {508, 400}, {512, 400}, {516, 400}},
                             false},
                    MoveCase{
                        "a position at 0,0 counts as none", {{2, 2}, {0, 0}, {300, 300}}, false}));

TEST(SaverWindow, PreviewIgnoresInputAndEndsWhenClosed) {
  SaverHarness saver;
  saver.Start("/p 1234");
  saver.Key(kKeyA);
  saver.MouseMove(10, 10);
  saver.MouseMove(100, 100);
  saver.Click(5, 5);
  EXPECT_TRUE(saver.SaverLoaded());
  ScriptEvent close;
  close.kind = ScriptEvent::Kind::kClose;
  close.form = "frmSSaver";
  saver.Deliver(close);
  EXPECT_FALSE(saver.SaverLoaded());
  EXPECT_EQ(saver.Session().Desktop().CursorCount(), 1) << "raised once at load, never lowered";
}

TEST(SaverWindow, AWrongPasswordKeepsTheSaverAndHidesTheCursorAgain) {
  SaverHarness saver;
  saver.ProtectWithPassword();  // a value holding 0 still turns protection on
  saver.Session().Desktop().SetPasswordAnswers({false, true});
  saver.Start("/s");
  EXPECT_TRUE(saver.Saver().PWProtect());
  saver.Key(kKeyA);
  EXPECT_TRUE(saver.SaverLoaded());
  EXPECT_EQ(saver.Session().Desktop().CursorCount(), -6);
  saver.AdvanceTo(200);
  EXPECT_FALSE(saver.Trace().Of("paint").empty()) << "the scene keeps running";
  saver.Key(kKeyA);
  EXPECT_FALSE(saver.SaverLoaded());
  EXPECT_EQ(CallsOf(saver.Trace(), "VerifyScreenSavePwd").size(), 2u);
  EXPECT_EQ(CallsOf(saver.Trace(), "SystemParametersInfoA"),
            (std::vector<std::string>{"[97,0,\"&scratch\",0]"}));
}

TEST(SaverWindow, WithoutProtectionNoPasswordIsAsked) {
  SaverHarness saver;
  saver.Start("/s");
  EXPECT_FALSE(saver.Saver().PWProtect());
  saver.Key(kKeyA);
  EXPECT_TRUE(CallsOf(saver.Trace(), "VerifyScreenSavePwd").empty());
  EXPECT_TRUE(CallsOf(saver.Trace(), "SystemParametersInfoA").empty());
}

}  // namespace
}  // namespace talvora
