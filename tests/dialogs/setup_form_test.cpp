#include "dialogs/setup_form.h"

#include <gtest/gtest.h>

#include <ostream>

#include "runtime/forms/dialog_control.h"
#include "tests/support/saver_harness.h"

namespace talvora {
namespace {

constexpr int kBallsPreview = 0;
constexpr int kBothTrophiesPreview = 1;
constexpr int kTablePreview = 4;

class SetupFormTest : public ::testing::Test {
 protected:
  SetupForm& Open() {
    harness.Start("/c");
    auto* setup = dynamic_cast<SetupForm*>(harness.Session().Setup());
    EXPECT_NE(setup, nullptr);
    return *setup;
  }

  // The one preview showing, -1 when none or several are.
  static int ShownPreview(const SetupForm& setup) {
    int shown = -1;
    const auto previews = setup.ShownPreviews();
    for (std::size_t i = 0; i < previews.size(); ++i) {
      if (!previews[i]) continue;
      if (shown >= 0 && static_cast<int>(i) != kBothTrophiesPreview) return -1;
      shown = static_cast<int>(i);
    }
    return shown;
  }

  // A single-trophy picture covers the both-trophies one beneath it.
  static int VisiblePreview(const SetupForm& setup) {
    const auto previews = setup.ShownPreviews();
    for (int i : {SetupForm::kWorldCupPreview, SetupForm::kJulesRimetPreview}) {
      if (previews[static_cast<std::size_t>(i)]) return i;
    }
    return ShownPreview(setup);
  }

  static int Selected(const SetupForm& setup) {
    for (int k = 0; k < SetupForm::kScenes; ++k) {
      if (setup.SceneOption(k).Value()) return k;
    }
    return -1;
  }

  SaverHarness harness;
};

struct OpeningCase {
  const char* saver;
  const char* kinds;
  int selected;
  int julesRimet;
  int worldCup;
  int preview;
};

std::ostream& operator<<(std::ostream& out, const OpeningCase& c) {
  return out << "Saver " << (c.saver ? c.saver : "(none)") << ", TrofeusTipo "
             << (c.kinds ? c.kinds : "(none)");
}

class SetupOpeningTest : public SetupFormTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(SetupOpeningTest, ShowsTheStoredSceneTrophiesAndPreview) {
  const OpeningCase& c = GetParam();
  if (c.saver != nullptr) harness.Store("Saver", c.saver);
  if (c.kinds != nullptr) harness.Store("TrofeusTipo", c.kinds);
  const SetupForm& setup = Open();
  EXPECT_EQ(Selected(setup), c.selected);
  EXPECT_EQ(setup.TrophyBox(0).Value(), c.julesRimet);
  EXPECT_EQ(setup.TrophyBox(1).Value(), c.worldCup);
  EXPECT_EQ(VisiblePreview(setup), c.preview);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, SetupOpeningTest,
    ::testing::Values(OpeningCase{nullptr, nullptr, 0, 0, 1, kBallsPreview},
                      OpeningCase{"2", "1", 1, 1, 0, SetupForm::kJulesRimetPreview},
                      OpeningCase{"2", "0", 1, 1, 1, kBothTrophiesPreview},
                      OpeningCase{"7", "2", 1, 0, 1, SetupForm::kWorldCupPreview},
                      OpeningCase{" 2", "9", 1, 1, 1, kBothTrophiesPreview},
                      OpeningCase{"5", "1", 4, 1, 0, kTablePreview}));

struct CheckCase {
  const char* stored;
  int shown;
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c) {
  return out << '"' << c.stored << '"';
}

class SetupCheckBoxTest : public SetupFormTest, public ::testing::WithParamInterface<CheckCase> {};

// Only the numbers 0 and 1 are check values; anything else shows cleared.
TEST_P(SetupCheckBoxTest, MouseAndScreensShowTheirNumber) {
  harness.Store("Mouse", GetParam().stored);
  harness.Store("Tela", GetParam().stored);
  const SetupForm& setup = Open();
  EXPECT_EQ(setup.MouseBox().Value(), GetParam().shown);
  EXPECT_EQ(setup.ScreensBox().Value(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Stored, SetupCheckBoxTest,
                         ::testing::Values(CheckCase{"0", 0}, CheckCase{" 1", 1},
                                           CheckCase{"1.4", 1}, CheckCase{"2", 0},
                                           CheckCase{"-1", 0}, CheckCase{"TRUE", 0}));

TEST_F(SetupFormTest, OpeningRunsNoClickReactionAndTracesTheFilledValues) {
  harness.Store("Saver", "3");
  harness.Store("TrofeusTipo", "1");
  const SetupForm& setup = Open();
  // Setting the trophy boxes did not select "Troféus voadores".
  EXPECT_EQ(Selected(setup), 2);
  EXPECT_EQ(VisiblePreview(setup), 2);
  EXPECT_FALSE(harness.Trace().Of("value", "control", "Check1(1)").empty());
}

TEST_F(SetupFormTest, OkStoresTheChoicesOfTheControls) {
  harness.Store("Saver", "7");
  harness.Store("TrofeusTipo", "x");
  harness.Store("Tela", " 0");
  Open();
  harness.ClickControl("cmdOK");
  EXPECT_EQ(harness.Stored("Saver"), "2");
  EXPECT_EQ(harness.Stored("TrofeusTipo"), "0");
  EXPECT_EQ(harness.Stored("Mouse"), "0");
  EXPECT_EQ(harness.StoredCount(), 22u);
  EXPECT_FALSE(harness.Session().Setup()->Loaded());
}

TEST_F(SetupFormTest, ChoicesMadeByTheUserAreStored) {
  Open();
  harness.ClickControl("Option1(4)");
  harness.ClickControl("Check2");
  harness.ClickControl("Check1(0)");  // ticks Jules Rimet and selects the trophies
  harness.Key(kKeyReturn);
  EXPECT_EQ(harness.Stored("Saver"), "2");
  EXPECT_EQ(harness.Stored("TrofeusTipo"), "0");
  EXPECT_EQ(harness.Stored("Mouse"), "1");
}

TEST_F(SetupFormTest, ClearingTheOnlyTickedBoxTicksItAgain) {
  harness.Store("Saver", "2");
  harness.Store("TrofeusTipo", "2");
  const SetupForm& setup = Open();
  harness.ClickControl("Check1(1)");
  EXPECT_EQ(setup.TrophyBox(1).Value(), 1);
  EXPECT_EQ(setup.TrophyBox(0).Value(), 0);
  EXPECT_EQ(VisiblePreview(setup), SetupForm::kWorldCupPreview);
}

struct BoxOnOtherSceneCase {
  const char* kinds;
  const char* clicked;
  int julesRimet;
  int worldCup;
  int preview;
};

std::ostream& operator<<(std::ostream& out, const BoxOnOtherSceneCase& c) {
  return out << "TrofeusTipo " << c.kinds << ", click " << c.clicked;
}

class SetupBoxOnOtherSceneTest : public SetupFormTest,
                                 public ::testing::WithParamInterface<BoxOnOtherSceneCase> {};

// Any trophy box clicked while another scene is chosen chooses the trophies.
TEST_P(SetupBoxOnOtherSceneTest, SelectsTheTrophies) {
  const BoxOnOtherSceneCase& c = GetParam();
  harness.Store("Saver", "4");
  harness.Store("TrofeusTipo", c.kinds);
  const SetupForm& setup = Open();
  harness.ClickControl(c.clicked);
  EXPECT_EQ(Selected(setup), 1);
  EXPECT_EQ(setup.TrophyBox(0).Value(), c.julesRimet);
  EXPECT_EQ(setup.TrophyBox(1).Value(), c.worldCup);
  EXPECT_EQ(VisiblePreview(setup), c.preview);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, SetupBoxOnOtherSceneTest,
    ::testing::Values(
        // Clearing the only ticked box: "Copa do Mundo" ends up ticked.
        BoxOnOtherSceneCase{"1", "Check1(0)", 0, 1, SetupForm::kWorldCupPreview},
        BoxOnOtherSceneCase{"2", "Check1(1)", 0, 1, SetupForm::kWorldCupPreview},
        BoxOnOtherSceneCase{"2", "Check1(0)", 1, 1, kBothTrophiesPreview},
        BoxOnOtherSceneCase{"0", "Check1(1)", 1, 0, SetupForm::kJulesRimetPreview}));

TEST_F(SetupFormTest, TheFirstOkAfterAFreshInstallRestoresTheScreensOnce) {
  Open();  // Tela is still the default "0", without a blank
  harness.ClickControl("cmdOK");
  EXPECT_EQ(harness.Trace().Of("call", "fn", "TelasWin95").size(), 1u);
  EXPECT_EQ(harness.Trace().Of("call", "fn", "TelasWin95").front().Get("args"), "[0]");
  EXPECT_EQ(harness.Stored("Tela"), " 0");

  SaverHarness again;
  again.Store("Tela", " 0");
  again.Start("/c");
  again.ClickControl("cmdOK");
  EXPECT_TRUE(again.Trace().Of("call", "fn", "TelasWin95").empty());
}

TEST_F(SetupFormTest, TickingTheScreensBoxInstallsTheProductScreens) {
  harness.StoreAt(RegistryRoot::kLocalMachine,
                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup", "Windir", "C:\\WINDOWS");
  harness.Store("Tela", " 0");
  harness.WriteDriveC("logo.sys", "windows start");
  harness.WriteDriveC("WINDOWS/logo.tlv", "product start");
  Open();
  harness.ClickControl("Check3");
  harness.ClickControl("cmdOK");
  EXPECT_EQ(harness.Trace().Of("call", "fn", "TelasWin95").front().Get("args"), "[1]");
  EXPECT_EQ(harness.ReadDriveC("logo.sys"), "product start");
  EXPECT_EQ(harness.ReadDriveC("logo.tl2"), "windows start");
  EXPECT_EQ(harness.Stored("Tela"), " 1");
  EXPECT_FALSE(harness.Trace().Of("call", "fn", "CopyFileA").empty());
}

TEST_F(SetupFormTest, CancelAndTheCloseBoxStoreNothing) {
  for (const bool closeBox : {false, true}) {
    SaverHarness h;
    h.Start("/c");
    h.ClickControl("Check2");
    if (closeBox) {
      ScriptEvent close;
      close.kind = ScriptEvent::Kind::kClose;
      close.form = "SetupForm";
      h.Deliver(close);
    } else {
      h.ClickControl("cmdCancel");
    }
    EXPECT_FALSE(h.Session().Setup()->Loaded()) << closeBox;
    EXPECT_EQ(h.StoredCount(), 0u) << closeBox;
    EXPECT_TRUE(h.Trace().Of("call", "fn", "TelasWin95").empty()) << closeBox;
  }
}

TEST_F(SetupFormTest, EscapeOpensTheCreditsAndLeavesTheSetupOpen) {
  std::string shown;
  harness.Then([&] { shown = harness.ActiveFormName(); });
  Open();
  harness.Key(kKeyEscape);
  EXPECT_EQ(shown, "frmAbout");
  EXPECT_TRUE(harness.Session().Setup()->Loaded());
  EXPECT_EQ(harness.StoredCount(), 0u);
}

TEST_F(SetupFormTest, EachPlusOpensItsSceneDialogAndChangesNoChoice) {
  const std::array<const char*, 5> dialogs = {"frmBolas", "frmTacas", "frmSS03", "frmSS04",
                                              "frmSS05"};
  const SetupForm& setup = Open();
  for (int k = 0; k < SetupForm::kScenes; ++k) {
    std::string shown;
    harness.Then([&] {
      shown = harness.ActiveFormName();
      harness.ClickControl("Command2");
    });
    harness.ClickControl("Command1(" + std::to_string(k) + ")");
    EXPECT_EQ(shown, dialogs[static_cast<std::size_t>(k)]);
    EXPECT_EQ(harness.ActiveFormName(), "SetupForm");
    EXPECT_EQ(Selected(setup), 0);
    EXPECT_EQ(VisiblePreview(setup), kBallsPreview);
  }
}

}  // namespace
}  // namespace talvora
