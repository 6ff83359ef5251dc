#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/saver_harness.h"

namespace talvora {
namespace {

std::vector<TraceRecord> PaintsAt(const RecordingTracer& trace, std::int64_t t) {
  std::vector<TraceRecord> paints;
  for (const TraceRecord& paint : trace.Of("paint")) {
    if (paint.t == t) paints.push_back(paint);
  }
  return paints;
}

TEST(FlyingBalls, TheFirstTickOnlyClearsThenFourBallsAreDrawnMaskFirst) {
  SaverHarness saver;
  saver.Start("/s");
  saver.AdvanceTo(50);
  EXPECT_EQ(saver.Trace().Of("refresh").size(), 1u);
  EXPECT_TRUE(saver.Trace().Of("paint").empty());
  saver.AdvanceTo(100);
  const auto paints = PaintsAt(saver.Trace(), 100);
  ASSERT_EQ(paints.size(), 8u);
  for (std::size_t i = 0; i < paints.size(); i += 2) {
    EXPECT_EQ(paints[i].Get("strip"), "BolaClip");
    EXPECT_EQ(paints[i].Get("rop"), "SRCAND");
    EXPECT_EQ(paints[i].Get("cell"), "7") << "every ball starts at frame 0";
    EXPECT_EQ(paints[i + 1].Get("rop"), "SRCINVERT");
    EXPECT_EQ(paints[i + 1].Get("cell"), "0");
    EXPECT_EQ(paints[i].Get("x"), paints[i + 1].Get("x"));
    EXPECT_EQ(paints[i].Get("w"), paints[i + 1].Get("w"));
  }
}

TEST(FlyingBalls, FramesAdvanceOncePerDrawnTick) {
  SaverHarness saver;
  saver.Store("BolasNum", "1");
  saver.Store("BolasVel", "1");  // 10 pixels a tick: the ball stays on screen a while
  saver.Start("/s");
  std::vector<std::string> cells;
  for (int tick = 2; tick <= 9; ++tick) {
    saver.AdvanceTo(50 * tick);
    const auto paints = PaintsAt(saver.Trace(), 50 * tick);
    if (!paints.empty()) cells.push_back(paints[1].Get("cell"));
  }
  ASSERT_GE(cells.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.begin() + 7),
            (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6"}));
}

struct CountCase {
  std::string bolasNum;
  std::size_t balls;
  friend std::ostream& operator<<(std::ostream& out, const CountCase& c) {
    return out << '"' << c.bolasNum << '"';
  }
};

class BallCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(BallCountTest, RoundsTheCountTiesToEvenAndClampsToTheTable) {
  SaverHarness saver;
  saver.Store("BolasNum", GetParam().bolasNum);
  saver.Start("/s");
  saver.AdvanceTo(100);
  EXPECT_EQ(PaintsAt(saver.Trace(), 100).size(), 2 * GetParam().balls);
}

INSTANTIATE_TEST_SUITE_P(Counts, BallCountTest,
                         testing::Values(CountCase{"4.5", 5}, CountCase{"2.5", 3},
                                         CountCase{"0", 0}, CountCase{"bolas", 0},
                                         CountCase{"40", 31}));

TEST(FlyingTrophies, TwoRunsShowExactlyTheSameTrophies) {
  auto run = [] {
    SaverHarness saver;
    saver.Store("Saver", "2");
    saver.Store("TrofeusTipo", "0");
    saver.Start("/s");
    saver.AdvanceTo(3000);
    std::vector<std::string> paints;
    for (const TraceRecord& paint : saver.Trace().Of("paint")) {
      paints.push_back(paint.Get("strip") + paint.Get("x") + "," + paint.Get("y") + "," +
                       paint.Get("w") + "," + paint.Get("h"));
    }
    return std::pair(paints, saver.Screen());
  };
  const auto first = run();
  const auto second = run();
  EXPECT_FALSE(first.first.empty());
  EXPECT_EQ(first.first, second.first);
  EXPECT_EQ(first.second, second.second);
}

TEST(FlyingTrophies, JulesRimetAloneUsesTheSecondGroupDrawnAtTheHeightFactor) {
  SaverHarness saver;
  saver.Store("Saver", "2");
  saver.Store("TrofeusTipo", "1");
  saver.Start("/s");
  saver.AdvanceTo(100);
  const auto paints = PaintsAt(saver.Trace(), 100);
  ASSERT_EQ(paints.size(), 8u);
  for (const TraceRecord& paint : paints) {
    EXPECT_EQ(paint.Get("strip"), "Taca1Clip(1)");
    const double w = std::stod(paint.Get("w"));
    EXPECT_EQ(std::stod(paint.Get("h")), std::floor(2.35 * w));
  }
}

TEST(FlyingTrophies, AnUnknownKindDrawsNothing) {
  for (const std::string kind : {"3", "x", " 2x"}) {
    SaverHarness saver;
    saver.Store("Saver", "2");
    saver.Store("TrofeusTipo", kind);
    saver.Start("/s");
    saver.AdvanceTo(500);
    EXPECT_TRUE(saver.Trace().Of("paint").empty()) << kind;
  }
}

}  // namespace
}  // namespace talvora
