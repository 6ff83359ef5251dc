#include "runtime/forms/dialog_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/clock.h"
#include "platform/font_files.h"
#include "runtime/forms/classic_style.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/text/text_renderer.h"

namespace talvora {
namespace {

constexpr int kLeft = 1;

// A form that records the input its own reactions got.
class DialogForm final : public Form {
 public:
  explicit DialogForm(FormsRuntime& runtime) : Form(runtime, "frmDialog") {}
  std::vector<std::string> reactions;

 private:
  void Form_KeyDown(int keyCode, int) override {
    reactions.push_back("key " + std::to_string(keyCode));
  }
  void Form_KeyPress(int keyAscii) override {
    reactions.push_back("press " + std::to_string(keyAscii));
  }
  void Form_MouseDown(int, int, double, double) override { reactions.push_back("mouse down"); }
  void Form_Click() override { reactions.push_back("click"); }
};

class DialogControlsTest : public testing::Test {
 protected:
  DialogControlsTest() {
    form.MoveWindow({0, 0, 320, 200});
    form.SetBackColor(kClassicPalette.buttonFace);
    ok.OnClick([this] { clicks.push_back("ok"); });
    cancel.OnClick([this] { clicks.push_back("cancel"); });
    apply.OnClick([this] { clicks.push_back("apply"); });
    sound.OnClick([this] { clicks.push_back("sound"); });
    first.OnClick([this] { clicks.push_back("first"); });
    second.OnClick([this] { clicks.push_back("second"); });
    slider.OnChange([this] { changes.push_back(slider.Value()); });
    form.Show();
    form.Refresh();
  }

  void ClickAt(int x, int y) {
    form.RaiseMouseDown(kLeft, 0, x, y);
    form.RaiseMouseUp(kLeft, 0, x, y);
  }
  void Click(const DialogControl& control) {
    ClickAt(control.Left() + 3, control.Top() + control.Height() / 2);
  }
  void Key(int keyCode, int shift = 0) { form.RaiseKeyDown(keyCode, shift); }
  std::string FocusedName() const {
    const DialogControl* focused = form.Dialog().Focused();
    return focused == nullptr ? "" : focused->Name();
  }

  VirtualClock clock;
  std::unique_ptr<FontFiles> fonts = MakeSystemFontFiles();
  TextRenderer text{*fonts};
  FormsRuntime runtime{clock, text};
  DialogForm form{runtime};
  Frame frame{form, nullptr, "Frame1", {8, 8, 150, 90}, "&Opções"};
  OptionButton first{form, &frame, "Option1", {10, 18, 120, 17}, "&Primeira", true};
  OptionButton second{form, &frame, "Option2", {10, 38, 120, 17}, "Segunda"};
  OptionButton loose{form, nullptr, "Option3", {170, 80, 120, 17}, "Solta", true};
  CheckBox sound{form, nullptr, "Check1", {170, 12, 140, 17}, "Com &som"};
  CheckBox hidden{form, nullptr, "Check2", {170, 32, 140, 17}, "Escondida"};
  CheckBox disabled{form, nullptr, "Check3", {170, 52, 140, 17}, "Desligada"};
  Slider slider{form, nullptr, "Slider1", {8, 106, 200, 42}, 0, 10};
  CommandButton apply{form, nullptr, "cmdApply", {140, 130, 75, 23}, "&Aplicar"};
  CommandButton ok{form, nullptr, "cmdOK", {140, 160, 75, 23}, "OK", {.isDefault = true}};
  CommandButton cancel{form,       nullptr,           "cmdCancel", {225, 160, 75, 23},
                       "Cancelar", {.isCancel = true}};
  std::vector<std::string> clicks;
  std::vector<std::int32_t> changes;
};

TEST_F(DialogControlsTest, ChoosingAnOptionClearsOnlyItsOwnGroup) {
  Click(second);
  EXPECT_FALSE(first.Value());
  EXPECT_TRUE(second.Value());
  EXPECT_TRUE(loose.Value()) << "an option outside the frame is another group";
  EXPECT_EQ(clicks, (std::vector<std::string>{"second"}));
  Key(kKeyArrowUp);  // arrows move within the group, wrapping, and choose
  EXPECT_TRUE(first.Value());
  EXPECT_FALSE(second.Value());
  EXPECT_EQ(FocusedName(), "Option1");
  EXPECT_EQ(clicks.back(), "first");
}

TEST_F(DialogControlsTest, ACheckBoxTogglesByClickAndBySpace) {
  Click(sound);
  EXPECT_EQ(sound.Value(), 1);
  EXPECT_EQ(FocusedName(), "Check1");
  Key(kKeySpace);
  form.RaiseKeyPress(' ');
  EXPECT_EQ(sound.Value(), 0);
  EXPECT_EQ(clicks, (std::vector<std::string>{"sound", "sound"}));
  EXPECT_TRUE(form.reactions.empty()) << "keys the controls used do not reach the form";
}

TEST_F(DialogControlsTest, ReleasingOutsideAButtonDoesNotClickIt) {
  form.RaiseMouseDown(kLeft, 0, apply.Left() + 5, apply.Top() + 5);
  EXPECT_TRUE(apply.Pushed());
  form.RaiseMouseMove(kLeft, 0, 5, 190);  // captured: still the button's
  EXPECT_FALSE(apply.Pushed());
  form.RaiseMouseUp(kLeft, 0, 5, 190);
  EXPECT_TRUE(clicks.empty());
  EXPECT_TRUE(form.reactions.empty());
}

TEST_F(DialogControlsTest, SettingValuesFromCodeRunsNoReaction) {
  sound.SetValue(1);
  second.SetValue(true);
  slider.SetValue(7);
  EXPECT_EQ(sound.Value(), 1);
  EXPECT_FALSE(first.Value());
  EXPECT_EQ(slider.Value(), 7);
  EXPECT_TRUE(clicks.empty());
  EXPECT_TRUE(changes.empty());
  slider.SetValue(99);
  EXPECT_EQ(slider.Value(), 10);
}

TEST_F(DialogControlsTest, TabVisitsControlsInCreationOrderSkippingHiddenAndDisabled) {
  hidden.SetVisible(false);
  disabled.SetEnabled(false);
  EXPECT_EQ(FocusedName(), "Option1") << "showing the form focuses the first stop";
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    Key(kKeyTab);
    order.push_back(FocusedName());
  }
  // Option2 is not a stop while Option1 is the chosen one of their group.
  EXPECT_EQ(order, (std::vector<std::string>{"Option3", "Check1", "Slider1", "cmdApply", "cmdOK",
                                             "cmdCancel", "Option1"}));
  Key(kKeyTab, kShiftMask);
  EXPECT_EQ(FocusedName(), "cmdCancel");
}

struct ButtonKeyCase {
  const char* name;
  int keyCode;
  bool focusApply;
  const char* clicked;
};

std::ostream& operator<<(std::ostream& out, const ButtonKeyCase& c) { return out << c.name; }

class ButtonKeyTest : public DialogControlsTest,
                      public testing::WithParamInterface<ButtonKeyCase> {};

TEST_P(ButtonKeyTest, PressesTheButtonTheKeyStandsFor) {
  if (GetParam().focusApply) form.Dialog().SetFocus(&apply);
  Key(GetParam().keyCode);
  form.RaiseKeyPress(GetParam().keyCode);
  EXPECT_EQ(clicks, (std::vector<std::string>{GetParam().clicked}));
  EXPECT_TRUE(form.reactions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ButtonKeyTest,
    testing::Values(ButtonKeyCase{"EnterPressesTheDefault", kKeyReturn, false, "ok"},
                    ButtonKeyCase{"EscapePressesTheCancel", kKeyEscape, false, "cancel"},
                    ButtonKeyCase{"EnterPressesAFocusedButton", kKeyReturn, true, "apply"},
                    ButtonKeyCase{"SpacePressesAFocusedButton", kKeySpace, true, "apply"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(DialogControlsTest, DraggingTheThumbChangesTheValueContinuouslyAndClamps) {
  const PixelRect thumb = slider.ThumbBounds();
  const int x = thumb.left + thumb.width / 2;
  const int y = thumb.top + 5;
  form.RaiseMouseDown(kLeft, 0, x, y);
  EXPECT_TRUE(changes.empty()) << "grabbing the thumb changes nothing";
  for (int to = x; to <= slider.Bounds().Right() + 40; to += 5)
    form.RaiseMouseMove(kLeft, 0, to, y);
  form.RaiseMouseUp(kLeft, 0, slider.Bounds().Right() + 40, y);
  EXPECT_EQ(slider.Value(), 10);
  ASSERT_GE(changes.size(), 5u);
  EXPECT_TRUE(std::is_sorted(changes.begin(), changes.end()));
  EXPECT_EQ(changes.back(), 10);
  EXPECT_GT(slider.ThumbBounds().left, thumb.left);
  form.RaiseMouseMove(0, 0, x, y);  // released: the thumb stays
  EXPECT_EQ(slider.Value(), 10);
}

TEST_F(DialogControlsTest, ArrowKeysMoveTheSliderByOneWithinItsRange) {
  slider.SetRange(-2, 2);
  form.Dialog().SetFocus(&slider);
  for (int i = 0; i < 4; ++i) Key(kKeyArrowLeft);
  EXPECT_EQ(slider.Value(), -2);
  EXPECT_EQ(changes, (std::vector<std::int32_t>{-1, -2})) << "no change at the end of the range";
  Key(kKeyArrowRight);
  Key(kKeyEnd);
  EXPECT_EQ(changes, (std::vector<std::int32_t>{-1, -2, -1, 2}));
}

TEST_F(DialogControlsTest, ASliderHolds32BitValues) {
  slider.SetRange(-2'000'000'000, 2'000'000'000);
  slider.SetValue(2'000'000'000);
  form.Dialog().SetFocus(&slider);
  Key(kKeyArrowRight);
  EXPECT_EQ(slider.Value(), 2'000'000'000);
  Key(kKeyHome);
  EXPECT_EQ(slider.Value(), -2'000'000'000);
}

TEST_F(DialogControlsTest, AltAndAnAccessKeyPressesItsControl) {
  Key('S', kAltMask);
  EXPECT_EQ(sound.Value(), 1);
  EXPECT_EQ(FocusedName(), "Check1");
  Key('O', kAltMask);  // a frame's key leads to the control after it
  EXPECT_EQ(FocusedName(), "Option1");
  Key('A', kAltMask);
  EXPECT_EQ(clicks, (std::vector<std::string>{"sound", "apply"}));
  Key('Z', kAltMask);  // no such key: the form's own reaction gets it
  EXPECT_EQ(form.reactions, (std::vector<std::string>{"key 90"}));
}

TEST_F(DialogControlsTest, AClickOnAControlIsNotAlsoTheFormsClick) {
  ClickAt(apply.Left() + 5, apply.Top() + 5);
  form.RaiseClick();  // what a host sends after the release
  EXPECT_EQ(clicks, (std::vector<std::string>{"apply"}));
  EXPECT_TRUE(form.reactions.empty());
  ClickAt(310, 190);
  form.RaiseClick();
  EXPECT_EQ(form.reactions, (std::vector<std::string>{"mouse down", "click"}));
}

TEST_F(DialogControlsTest, InputBesideTheControlsReachesTheFormsReactions) {
  form.RaiseMouseDown(kLeft, 0, 310, 100);
  form.Dialog().SetFocus(nullptr);
  Key('X');
  form.RaiseKeyPress('x');
  EXPECT_EQ(form.reactions, (std::vector<std::string>{"mouse down", "key 88", "press 120"}));
}

struct CaptionCase {
  const char* caption;
  const char* text;
  int keyAt;  // -1: none
  char key;
};

std::ostream& operator<<(std::ostream& out, const CaptionCase& c) { return out << c.caption; }

class AccessCaptionTest : public testing::TestWithParam<CaptionCase> {};

TEST_P(AccessCaptionTest, FindsTheKeyAndDropsTheMarkers) {
  const AccessCaption parsed = ParseAccessCaption(GetParam().caption);
  EXPECT_EQ(parsed.text, GetParam().text);
  EXPECT_EQ(parsed.keyAt ? static_cast<int>(*parsed.keyAt) : -1, GetParam().keyAt);
  EXPECT_EQ(parsed.accessKey, GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Captions, AccessCaptionTest,
                         testing::Values(CaptionCase{"&OK", "OK", 0, 'O'},
                                         CaptionCase{"Com &som", "Com som", 4, 'S'},
                                         CaptionCase{"A && B", "A & B", -1, '\0'},
                                         CaptionCase{"&& &x", "& x", 2, 'X'},
                                         CaptionCase{"Op&ções", "Opções", 2, '\0'},
                                         CaptionCase{"fim&", "fim&", -1, '\0'}));

// Drawn pixels, read from the form's surface after a repaint.
class DialogPixelsTest : public DialogControlsTest {
 protected:
  Pixel At(int x, int y) const { return form.Canvas().At(x, y); }
  int DarkPixels(const PixelRect& r) const {
    int dark = 0;
    for (int y = r.top; y < r.Bottom(); ++y) {
      for (int x = r.left; x < r.Right(); ++x) dark += At(x, y) == kClassicPalette.text ? 1 : 0;
    }
    return dark;
  }
  // The inside of a check box's square: its box is vertically centred.
  PixelRect CheckInside(const CheckBox& box) const {
    return {box.Left() + 2, box.Top() + (box.Height() - 13) / 2 + 2, 9, 9};
  }
};

TEST_F(DialogPixelsTest, AButtonIsRaisedFromTheFace) {
  const PixelRect r = cancel.Bounds();
  EXPECT_EQ(At(r.left + 4, r.top + 3), kClassicPalette.buttonFace);
  EXPECT_EQ(At(r.left, r.top), kClassicPalette.highlight);
  EXPECT_EQ(At(r.left, r.Bottom() - 2), kClassicPalette.highlight);
  EXPECT_EQ(At(r.Right() - 1, r.Bottom() - 1), kClassicPalette.darkShadow);
  EXPECT_EQ(At(r.Right() - 2, r.Bottom() - 2), kClassicPalette.shadow);
  EXPECT_GT(DarkPixels(r), 20) << "its caption";
}

TEST_F(DialogPixelsTest, AHeldButtonLooksPressed) {
  const PixelRect r = cancel.Bounds();
  form.RaiseMouseDown(kLeft, 0, r.left + 5, r.top + 5);
  EXPECT_EQ(At(r.left, r.top), kClassicPalette.darkShadow);
  EXPECT_EQ(At(r.left + 1, r.top + 1), kClassicPalette.shadow);
  form.RaiseMouseUp(kLeft, 0, r.left + 5, r.top + 5);
  EXPECT_EQ(At(r.left + 1, r.top + 1), kClassicPalette.highlight) << "focused now: framed, raised";
}

TEST_F(DialogPixelsTest, OnlyACheckedBoxHasAMark) {
  EXPECT_EQ(DarkPixels(CheckInside(sound)), 0);
  EXPECT_EQ(At(CheckInside(sound).left + 4, CheckInside(sound).top + 4), kClassicPalette.window);
  sound.SetValue(1);
  form.PaintInvalidated();
  EXPECT_GE(DarkPixels(CheckInside(sound)), 15);
}

TEST_F(DialogPixelsTest, AnAccessKeyIsUnderlined) {
  // "&Aplicar" and "OK" are drawn alike but only the first has a line under
  // its first letter: a row of dark pixels below the caption's baseline.
  const auto font = text.Resolve(kDialogFont);
  ASSERT_TRUE(font);
  const auto hasUnderline = [&](const CommandButton& button) {
    const auto extent = MeasureCaption(ParseAccessCaption(button.Caption()), text);
    const int left = button.Left() + (button.Width() - extent->width) / 2;
    const int y = button.Top() + (button.Height() - extent->height) / 2 + font->metrics.ascent + 1;
    return DarkPixels({left, y, 4, 1}) == 4;
  };
  EXPECT_TRUE(hasUnderline(apply));
  EXPECT_FALSE(hasUnderline(ok));
}

}  // namespace
}  // namespace talvora
