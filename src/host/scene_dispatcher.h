#pragma once

#include <string_view>

namespace talvora {

enum class SceneChoice { kBalls, kTrophies, kPosters, kChampions, kCupTable, kNone };

inline constexpr int kFlyingIntervalMs = 50;

// The scene the Saver setting names: exactly "1" to "5", nothing else.
SceneChoice SceneOf(std::string_view saver);

// The scene timer's interval for a slideshow whose seconds setting is given:
// the whole text must be a number of seconds. A text that is not a number,
// or that gives no positive interval, falls back to the setting's default
// seconds; the interval is at most a timer's 65535 ms.
int SlideshowIntervalMs(std::string_view seconds, int defaultSeconds);

}  // namespace talvora
