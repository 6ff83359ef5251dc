#include "dialogs/scene_settings_form.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/support/saver_harness.h"

namespace talvora {
namespace {

// Opens the scene dialog of "+" k from the setup dialog, runs `whileOpen`
// on it, and returns once it has closed (or the steps ran out).
void WithSceneDialog(SaverHarness& harness, int k,
                     const std::function<void(const SceneSettingsForm&)>& whileOpen) {
  harness.Start("/c");
  harness.Then([&] {
    const auto* dialog =
        dynamic_cast<const SceneSettingsForm*>(harness.Session().Runtime().ActiveForm());
    ASSERT_NE(dialog, nullptr);
    whileOpen(*dialog);
  });
  harness.ClickControl("Command1(" + std::to_string(k) + ")");
}

struct MemberCase {
  int scene;
  const char* formName;
  std::vector<const char*> settings;
  std::vector<const char*> stored;    // nullptr: not stored, the default applies
  std::vector<std::int32_t> opensAt;  // the sliders' values
};

std::ostream& operator<<(std::ostream& out, const MemberCase& c) { return out << c.formName; }

class SceneDialogOpeningTest : public ::testing::TestWithParam<MemberCase> {};

// Stored values outside a slider's range are clamped to it; texts that are
// no number read as 0, which lies below every range.
TEST_P(SceneDialogOpeningTest, OpensAtTheStoredValues) {
  const MemberCase& c = GetParam();
  SaverHarness harness;
  for (std::size_t i = 0; i < c.settings.size(); ++i) {
    if (c.stored[i] != nullptr) harness.Store(c.settings[i], c.stored[i]);
  }
  bool opened = false;
  WithSceneDialog(harness, c.scene, [&](const SceneSettingsForm& dialog) {
    opened = true;
    EXPECT_EQ(dialog.Name(), c.formName);
    for (std::size_t i = 0; i < c.opensAt.size(); ++i) {
      EXPECT_EQ(dialog.SliderAt(i).Value(), c.opensAt[i]) << i;
      EXPECT_EQ(dialog.ValueLabel(i).Caption(), std::to_string(c.opensAt[i])) << i;
    }
  });
  EXPECT_TRUE(opened);
}

INSTANTIATE_TEST_SUITE_P(
    Members, SceneDialogOpeningTest,
    ::testing::Values(
        MemberCase{0, "frmBolas", {"BolasNum", "BolasVel"}, {nullptr, nullptr}, {4, 6}},
        MemberCase{0, "frmBolas", {"BolasNum", "BolasVel"}, {"99", "abc"}, {20, 1}},
        MemberCase{1, "frmTacas", {"TrofeusNum", "TrofeusVel"}, {nullptr, nullptr}, {4, 5}},
        MemberCase{1, "frmTacas", {"TrofeusNum", "TrofeusVel"}, {"30", " 7.5"}, {15, 8}},
        MemberCase{2, "frmSS03", {"SS03Vel"}, {nullptr}, {1}},
        MemberCase{3, "frmSS04", {"SS04Vel"}, {"1"}, {3}},
        MemberCase{4, "frmSS05", {"SS05Vel"}, {"12"}, {12}}));

TEST(SceneDialogTest, OkStoresTheValuesWithoutBlanksAndWritesEverySetting) {
  SaverHarness harness;
  harness.Store("BolasNum", " 9");
  WithSceneDialog(harness, 0, [&](const SceneSettingsForm&) { harness.ClickControl("Command1"); });
  EXPECT_EQ(harness.Stored("BolasNum"), "9");
  EXPECT_EQ(harness.Stored("BolasVel"), "6");
  EXPECT_EQ(harness.StoredCount(), 22u);
  EXPECT_EQ(harness.ActiveFormName(), "SetupForm");
}

TEST(SceneDialogTest, DraggingUpdatesTheNumberAllTheWayAndOkStoresIt) {
  SaverHarness harness;
  std::vector<std::string> shown;
  WithSceneDialog(harness, 3, [&](const SceneSettingsForm& dialog) {
    harness.Trace().Clear();
    harness.Slide("Slider1", 9);
    for (const TraceRecord& record : harness.Trace().Of("value", "control", "Slider1")) {
      shown.push_back(record.Get("value"));
    }
    EXPECT_EQ(dialog.ValueLabel(0).Caption(), "9");
    harness.ClickControl("Command1");
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"4", "5", "6", "7", "8", "9"}));
  EXPECT_EQ(harness.Stored("SS04Vel"), "9");
}

struct LimitCase {
  int scene;
  const char* slider;
  const char* setting;
  std::int32_t dragTo;
  const char* stored;
};

std::ostream& operator<<(std::ostream& out, const LimitCase& c) {
  return out << c.setting << " dragged to " << c.dragTo;
}

class SceneDialogLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SceneDialogLimitTest, ASliderStopsAtItsEnd) {
  const LimitCase& c = GetParam();
  SaverHarness harness;
  WithSceneDialog(harness, c.scene, [&](const SceneSettingsForm&) {
    harness.Slide(c.slider, c.dragTo);
    harness.ClickControl("Command1");
  });
  EXPECT_EQ(harness.Stored(c.setting), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Members, SceneDialogLimitTest,
                         ::testing::Values(LimitCase{1, "Slider1(0)", "TrofeusNum", 40, "15"},
                                           LimitCase{0, "Slider1(1)", "BolasVel", 40, "20"},
                                           LimitCase{2, "Slider1", "SS03Vel", -5, "1"},
                                           LimitCase{3, "Slider1", "SS04Vel", 1, "3"},
                                           LimitCase{4, "Slider1", "SS05Vel", 0, "3"}));

TEST(SceneDialogTest, CancelAfterMovingASliderStoresNothing) {
  SaverHarness harness;
  WithSceneDialog(harness, 0, [&](const SceneSettingsForm&) {
    harness.Slide("Slider1(0)", 12);
    harness.ClickControl("Command2");
  });
  EXPECT_EQ(harness.StoredCount(), 0u);
  EXPECT_EQ(harness.ActiveFormName(), "SetupForm");
}

TEST(SceneDialogTest, AValueStoredByOkOpensAtTheSamePosition) {
  SaverHarness harness;
  WithSceneDialog(harness, 1, [&](const SceneSettingsForm&) {
    harness.Slide("Slider1(1)", 13);
    harness.ClickControl("Command1");
  });
  std::int32_t reopened = 0;
  harness.Then([&] {
    reopened = dynamic_cast<const SceneSettingsForm&>(*harness.Session().Runtime().ActiveForm())
                   .SliderAt(1)
                   .Value();
    harness.ClickControl("Command2");
  });
  harness.ClickControl("Command1(1)");
  EXPECT_EQ(reopened, 13);
}

TEST(SceneDialogTest, EnterAndEscapeDoNothingSpecial) {
  SaverHarness harness;
  WithSceneDialog(harness, 2, [&](const SceneSettingsForm&) {
    harness.Key(kKeyEscape);
    harness.Key(kKeyReturn);
    EXPECT_EQ(harness.ActiveFormName(), "frmSS03");
    harness.ClickControl("Command2");
  });
  EXPECT_EQ(harness.StoredCount(), 0u);
}

}  // namespace
}  // namespace talvora
