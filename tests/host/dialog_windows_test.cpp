#include "host/dialog_windows.h"

#include <gtest/gtest.h>

#include <bitset>
#include <ostream>
#include <string>
#include <vector>

#include "assets/pictures.h"
#include "runtime/forms/window_placement.h"

namespace talvora {
namespace {

std::string Describe(const PixelRect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.width) + "x" + std::to_string(r.height) + ")";
}

struct CentreCase {
  std::string name;
  PixelRect window;
  PixelRect area;
  PixelRect screen;
  int left;
  int top;
  friend std::ostream& operator<<(std::ostream& out, const CentreCase& c) { return out << c.name; }
};

class CentreWindowTest : public testing::TestWithParam<CentreCase> {};

TEST_P(CentreWindowTest, CentresThenKeepsOnScreen) {
  const CentreCase& c = GetParam();
  const PixelRect placed = CentreWindow(c.window, c.area, c.screen);
  EXPECT_EQ(placed, (PixelRect{c.left, c.top, c.window.width, c.window.height}))
      << Describe(c.window) << " in " << Describe(c.area) << " on " << Describe(c.screen);
}

constexpr PixelRect kScreen{0, 0, 1024, 768};

INSTANTIATE_TEST_SUITE_P(
    Placements, CentreWindowTest,
    testing::Values(
        CentreCase{"OnTheScreen", {0, 0, 100, 50}, kScreen, kScreen, 462, 359},
        // The task bar at the top: the work area starts below it.
        CentreCase{
            "InAWorkArea", {0, 0, 100, 50}, {0, 30, 1024, 738}, {0, 30, 1024, 738}, 462, 374},
        CentreCase{"OddSpareRoundsDown", {0, 0, 101, 51}, kScreen, kScreen, 461, 358},
        CentreCase{"OverItsOwner", {0, 0, 200, 100}, {100, 100, 600, 400}, kScreen, 300, 250},
        CentreCase{
            "OwnerAtTheRightEdge", {0, 0, 200, 100}, {900, 100, 300, 300}, kScreen, 824, 200},
        CentreCase{"OwnerAboveAndLeft", {0, 0, 200, 100}, {-200, -150, 200, 100}, kScreen, 0, 0},
        CentreCase{"SecondMonitor",
                   {0, 0, 200, 100},
                   {1500, 300, 200, 100},
                   {1024, 0, 800, 600},
                   1500,
                   300},
        CentreCase{"LargerThanTheScreen", {0, 0, 1200, 900}, kScreen, kScreen, 0, 0}),
    [](const testing::TestParamInfo<CentreCase>& test) { return test.param.name; });

struct ModalCase {
  std::vector<bool> modal;
  std::size_t first;
  friend std::ostream& operator<<(std::ostream& out, const ModalCase& c) {
    out << "[";
    for (const bool modal : c.modal) out << (modal ? 'M' : '-');
    return out << "]";
  }
};

class FirstWindowTakingInputTest : public testing::TestWithParam<ModalCase> {};

TEST_P(FirstWindowTakingInputTest, LastModalWindowTakesInputAway) {
  EXPECT_EQ(FirstWindowTakingInput(GetParam().modal), GetParam().first) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Stacks, FirstWindowTakingInputTest,
                         testing::Values(ModalCase{{}, 0}, ModalCase{{false}, 0},
                                         ModalCase{{false, false}, 0}, ModalCase{{true}, 0},
                                         ModalCase{{false, true}, 1},
                                         // A message box modal over a modal dialog.
                                         ModalCase{{false, true, true}, 2},
                                         ModalCase{{false, true, false}, 1}));

Surface PictureOf(const std::vector<std::string>& rows) {
  Surface picture(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), kBlack);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
        picture.At(x, y) = kWhite;
      }
    }
  }
  return picture;
}

struct PlaneCase {
  std::string name;
  std::vector<std::string> rows;  // '#' white, '.' black
  std::vector<std::uint8_t> plane;
  friend std::ostream& operator<<(std::ostream& out, const PlaneCase& c) { return out << c.name; }
};

class MonochromePlaneTest : public testing::TestWithParam<PlaneCase> {};

TEST_P(MonochromePlaneTest, PacksWhiteAsSetBitsInPaddedRows) {
  EXPECT_EQ(MonochromePlane(PictureOf(GetParam().rows)), GetParam().plane);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, MonochromePlaneTest,
    testing::Values(
        PlaneCase{"OneWhitePixel", {"#"}, {0x80, 0x00}},
        PlaneCase{"OneBlackPixel", {"."}, {0x00, 0x00}},
        PlaneCase{"TwoRows", {"########", "#.#.#.#."}, {0xFF, 0x00, 0xAA, 0x00}},
        PlaneCase{"LeftmostPixelInTheTopBit", {".......#.#"}, {0x01, 0x40}},
        PlaneCase{"SeventeenWideTakesTwoWords", {"#...............#"}, {0x80, 0x00, 0x80, 0x00}},
        PlaneCase{"SixteenWideNeedsNoPadding", {"...............#"}, {0x00, 0x01}}),
    [](const testing::TestParamInfo<PlaneCase>& test) { return test.param.name; });

TEST(MonochromePlaneTest, HandCursorKeepsEveryWhitePixel) {
  const CursorPicture hand = MakeHandCursor();
  for (const Surface* picture : {&hand.image, &hand.mask}) {
    const std::vector<std::uint8_t> plane = MonochromePlane(*picture);
    ASSERT_EQ(plane.size(), 32u * 4u);
    std::size_t setBits = 0;
    for (const std::uint8_t byte : plane) setBits += std::bitset<8>(byte).count();
    std::size_t white = 0;
    for (const Pixel pixel : picture->Pixels()) white += pixel == kWhite ? 1 : 0;
    EXPECT_EQ(setBits, white);
    EXPECT_GT(white, 0u);
  }
}

}  // namespace
}  // namespace talvora
