#include "common/random_source.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace talvora {
namespace {

std::vector<double> Draw(RandomSource& source, int count) {
  std::vector<double> draws;
  for (int i = 0; i < count; ++i) draws.push_back(source.Next());
  return draws;
}

TEST(RandomSource, EveryStartGivesTheSameSequence) {
  RandomSource first;
  RandomSource second;
  EXPECT_EQ(Draw(first, 100), Draw(second, 100));
}

TEST(RandomSource, DrawsStayInTheHalfOpenUnitInterval) {
  RandomSource source;
  double lowest = 1.0;
  double highest = 0.0;
  for (int i = 0; i < 100000; ++i) {
    const double r = source.Next();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
  }
  // Spread over the whole interval, not stuck in a corner of it.
  EXPECT_LT(lowest, 0.001);
  EXPECT_GT(highest, 0.999);
}

TEST(RandomSource, DrawsAreRoughlyUniform) {
  RandomSource source;
  constexpr int kBins = 10;
  constexpr int kDraws = 100000;
  std::vector<int> counts(kBins);
  for (int i = 0; i < kDraws; ++i) ++counts[static_cast<std::size_t>(source.Next() * kBins)];
  for (const int count : counts) {
    EXPECT_NEAR(count, kDraws / kBins, kDraws / kBins / 10);
  }
}

TEST(RandomSource, ReseedingWithinOneClockTickStillGivesFreshDraws) {
  RandomSource source;
  std::set<double> seen;
  for (int i = 0; i < 50; ++i) {
    source.Reseed(1234);
    seen.insert(source.Next());
  }
  EXPECT_EQ(seen.size(), 50u);
}

TEST(RandomSource, ReseedingMixesIntoTheStateRatherThanRestarting) {
  RandomSource fresh;
  RandomSource used;
  used.Next();
  fresh.Reseed(99);
  used.Reseed(99);
  EXPECT_NE(fresh.Next(), used.Next());
}

TEST(RandomSource, ReseedingChangesTheSequence) {
  RandomSource plain;
  RandomSource reseeded;
  reseeded.Reseed(0);
  EXPECT_NE(Draw(plain, 5), Draw(reseeded, 5));
}

TEST(ProcessRandom, IsOneSharedSource) {
  EXPECT_EQ(&ProcessRandom(), &ProcessRandom());
  const double before = ProcessRandom().Next();
  ReseedProcessRandomFromClock();
  EXPECT_NE(ProcessRandom().Next(), before);
}

}  // namespace
}  // namespace talvora
