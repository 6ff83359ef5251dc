#pragma once

#include <cstdint>

#include "scenes/scene_context.h"

namespace talvora {

// The third scene: the fifteen World Cup posters, 1930 to 1994, pile up at
// random places; the window is wiped once every 150 posters.
class PosterSlideshow {
 public:
  static constexpr int kPosters = 15;
  static constexpr int kPassesPerScreen = 10;

  void ShowNextPoster(const SceneContext& context);

  std::int16_t PosterIndex() const { return PosterIndex_; }
  std::int16_t PosterPasses() const { return PosterPasses_; }

 private:
  std::int16_t PosterIndex_ = 0;
  std::int16_t PosterPasses_ = 0;
  std::int16_t PosterX_ = 0;
  std::int16_t PosterY_ = 0;
};

// The fourth scene: Brazil's four titles, one at a time.
class ChampionSlideshow {
 public:
  static constexpr int kChampions = 4;

  void ShowNextChampion(const SceneContext& context);

  std::int16_t ChampionIndex() const { return ChampionIndex_; }

 private:
  std::int16_t ChampionIndex_ = 0;
  std::int16_t ChampionX_ = 0;
  std::int16_t ChampionY_ = 0;
};

}  // namespace talvora
