#include "runtime/forms/drawn_desktop.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "common/clock.h"
#include "platform/font_files.h"
#include "runtime/forms/form.h"
#include "runtime/forms/window_frame.h"
#include "runtime/text/text_renderer.h"

namespace talvora {
namespace {

constexpr Pixel kActiveCaption = 0x000080;
constexpr Pixel kInactiveCaption = 0x808080;

// A framed form that records the mouse events it gets, in its own pixels.
class DialogForm final : public Form {
 public:
  DialogForm(FormsRuntime& runtime, std::string_view name, StartUpPosition position, int width,
             int height)
      : Form(runtime, name) {
    SetStyle({BorderStyle::kFixedDialog, position, false});
    MoveWindow({0, 0, width, height});
    SetBackColor(0xC0C0C0);
  }
  std::vector<std::string> events;

 private:
  void Form_MouseDown(int, int, double x, double y) override {
    events.push_back("down " + std::to_string(static_cast<int>(x)) + "," +
                     std::to_string(static_cast<int>(y)));
  }
  void Form_Click() override { events.push_back("click"); }
};

class DrawnDesktopTest : public testing::Test {
 protected:
  VirtualClock clock;
  std::unique_ptr<FontFiles> fonts = MakeSystemFontFiles();
  TextRenderer text{*fonts};
  FormsRuntime runtime{clock, text};
  DrawnDesktop desktop{runtime, {0, 0, 800, 600}};
};

TEST_F(DrawnDesktopTest, PlacesAWindowCentredOnTheScreenFrameIncluded) {
  DialogForm setup(runtime, "setup", StartUpPosition::kCenterScreen, 400, 200);
  setup.Show();
  const PixelRect outer = DrawnDesktop::WindowBounds(setup);
  EXPECT_EQ(outer.width, 400 + 2 * kDialogFrameBorder);
  EXPECT_EQ(outer.height, 200 + kDialogFrameTop + kDialogFrameBorder);
  EXPECT_EQ(outer.left, (800 - outer.width) / 2);
  EXPECT_EQ(outer.top, (600 - outer.height) / 2);
  EXPECT_EQ(setup.ScreenBounds().left, outer.left + kDialogFrameBorder);
}

TEST_F(DrawnDesktopTest, CentresAModalFormOverItsOwnerAndKeepsItOnTheScreen) {
  DialogForm owner(runtime, "owner", StartUpPosition::kManual, 200, 100);
  owner.MoveWindow({700, 10, 200, 100});  // hanging off the right edge
  owner.Show();
  DialogForm modal(runtime, "modal", StartUpPosition::kCenterOwner, 100, 50);
  modal.ShowModal(&owner);  // no host loop: it stays up
  const PixelRect outer = DrawnDesktop::WindowBounds(modal);
  const PixelRect ownerOuter = DrawnDesktop::WindowBounds(owner);
  EXPECT_EQ(outer.Right(), 800);
  EXPECT_EQ(outer.top, ownerOuter.top + (ownerOuter.height - outer.height) / 2);
  EXPECT_EQ(desktop.Top(), &modal);
}

TEST_F(DrawnDesktopTest, TheMouseReachesOnlyTheTopFormInItsOwnPixels) {
  DialogForm below(runtime, "below", StartUpPosition::kCenterScreen, 400, 300);
  below.Show();
  DialogForm top(runtime, "top", StartUpPosition::kCenterScreen, 100, 80);
  top.Show();
  const PixelRect client = top.ScreenBounds();
  desktop.MouseDown(1, 0, client.left + 7, client.top + 9);
  desktop.MouseUp(1, 0, client.left + 7, client.top + 9);
  desktop.Click();
  // A press on the form beneath goes nowhere while the top form is up.
  desktop.MouseDown(1, 0, below.ScreenBounds().left + 2, below.ScreenBounds().top + 2);
  desktop.Click();
  EXPECT_EQ(top.events, (std::vector<std::string>{"down 7,9", "click"}));
  EXPECT_TRUE(below.events.empty());
}

TEST_F(DrawnDesktopTest, TheCloseBoxClosesWhenReleasedOverIt) {
  DialogForm form(runtime, "form", StartUpPosition::kCenterScreen, 200, 100);
  form.Show();
  const PixelRect box = DialogCloseBox(DrawnDesktop::WindowBounds(form));
  desktop.MouseDown(1, 0, box.left + 3, box.top + 3);
  desktop.MouseUp(1, 0, box.left - 20, box.top + 3);  // released beside it: nothing
  EXPECT_TRUE(form.Loaded());
  desktop.MouseDown(1, 0, box.left + 3, box.top + 3);
  desktop.MouseUp(1, 0, box.left + 4, box.top + 4);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(desktop.Top(), nullptr);
  EXPECT_TRUE(form.events.empty());
}

TEST_F(DrawnDesktopTest, OnlyTheTopWindowHasTheActiveCaption) {
  DialogForm below(runtime, "below", StartUpPosition::kCenterScreen, 400, 300);
  below.Show();
  DialogForm top(runtime, "top", StartUpPosition::kCenterScreen, 100, 80);
  top.Show();
  Surface screen(800, 600, 0x008080);
  desktop.Compose(screen);
  const PixelRect belowOuter = DrawnDesktop::WindowBounds(below);
  const PixelRect topOuter = DrawnDesktop::WindowBounds(top);
  EXPECT_EQ(screen.At(belowOuter.left + 4, belowOuter.top + 5), kInactiveCaption);
  EXPECT_EQ(screen.At(topOuter.left + 4, topOuter.top + 5), kActiveCaption);
  top.Unload();
  desktop.Compose(screen);
  EXPECT_EQ(screen.At(belowOuter.left + 4, belowOuter.top + 5), kActiveCaption);
}

struct HitCase {
  int x;
  int y;
  FramePart part;
};

std::ostream& operator<<(std::ostream& out, const HitCase& c) { return out << c.x << "," << c.y; }

class DialogFrameHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(DialogFrameHitTest, FindsThePartOfTheFrame) {
  const PixelRect outer = DialogFrameAround({10, 30, 100, 50});
  EXPECT_EQ(HitDialogFrame(outer, GetParam().x, GetParam().y), GetParam().part);
}

// The window spans 7..112 across and 8..82 down; its client 10..109, 30..79.
INSTANTIATE_TEST_SUITE_P(
    Points, DialogFrameHitTest,
    testing::Values(HitCase{6, 40, FramePart::kOutside}, HitCase{7, 40, FramePart::kBorder},
                    HitCase{10, 30, FramePart::kClient}, HitCase{109, 79, FramePart::kClient},
                    HitCase{40, 15, FramePart::kCaption}, HitCase{100, 15, FramePart::kCloseBox},
                    HitCase{112, 82, FramePart::kBorder}, HitCase{113, 40, FramePart::kOutside}));

}  // namespace
}  // namespace talvora
