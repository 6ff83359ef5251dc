#include "scenes/flying_sprites.h"

#include <algorithm>
#include <cmath>

#include "common/rounding.h"

namespace talvora {

int LastSlot(int first, double count) {
  const int last = RoundToInt32(first + count - 1);
  return std::clamp(last, first - 1, FlyingSprites::kSlots - 1);
}

void FlyingSprites::RestartPass(const SceneContext& context, const Tick& tick, int first,
                                int last) {
  const double w = context.W();
  for (int slot = first; slot <= last; ++slot) {
    const double x = x_[Index(slot)];
    if (x <= 0 || x >= w) Restart(context, tick, slot);
  }
}

void FlyingSprites::Restart(const SceneContext& context, const Tick& tick, int slot) {
  if (rules_.reseedOnRestart) context.ReseedRandom();
  const double w = context.W();
  const std::size_t i = Index(slot);
  x_[i] = static_cast<float>(w / 2);
  y_[i] = static_cast<float>(context.H() / 2);
  speed_[i] = static_cast<float>(10 * std::floor(tick.maxSpeed * context.random.Next() + 1));
  direction_[i] = static_cast<float>(std::floor(rules_.directions * context.random.Next() + 1));
  size_[i] = static_cast<float>(w / (std::floor(100 * context.random.Next() + 1) + 50));
}

void FlyingSprites::DrawAndMovePass(const SceneContext& context, const Tick& tick, int first,
                                    int last, const PictureStrip& strip, int imageCell,
                                    int maskCell, bool animateFrames) {
  const double w = context.W();
  const auto centreX = static_cast<float>(w / 2);
  const auto centreY = static_cast<float>(context.H() / 2);
  for (int slot = first; slot <= last; ++slot) {
    const std::size_t i = Index(slot);
    if (x_[i] != centreX || y_[i] != centreY) {
      int image = imageCell;
      int mask = maskCell;
      if (animateFrames) {
        if (frame_[i] > 6 || frame_[i] < 0) frame_[i] = 0;
        image = imageCell + frame_[i];
        mask = maskCell + frame_[i];
      }
      const double width = size_[i];
      const double height = std::floor(rules_.heightFactor * size_[i]);
      context.window.PaintPicture(strip.Cell(mask), x_[i], y_[i], width, height, RasterOp::kSrcAnd);
      context.window.PaintPicture(strip.Cell(image), x_[i], y_[i], width, height,
                                  RasterOp::kSrcInvert);
      if (animateFrames) ++frame_[i];
    }
    Move(slot);
    size_[i] = static_cast<float>(size_[i] + w / tick.growthDivisor);
    if (size_[i] > w / tick.limitDivisor + 10) x_[i] = 0;
  }
}

void FlyingSprites::Move(int slot) {
  const std::size_t i = Index(slot);
  const double v = speed_[i];
  const double flat = rules_.flatStep * v;
  double dx = 0;
  double dy = 0;
  switch (static_cast<int>(direction_[i])) {
    case 1:
      dx = v;
      break;
    case 2:
      dx = -v;
      break;
    case 3:
      dy = v;
      break;
    case 4:
      dy = -v;
      break;
    case 5:
      dx = v, dy = v;
      break;
    case 6:
      dx = -v, dy = -v;
      break;
    case 7:
      dx = -v, dy = v;
      break;
    // 8 and 10 complete the flat directions: 11 and 12 climb left and right,
    // 8 and 10 descend left and right the same way.
    case 8:
      dx = -flat, dy = v;
      break;
    case 9:
      dx = v, dy = -v;
      break;
    case 10:
      dx = flat, dy = v;
      break;
    case 11:
      dx = -flat, dy = -v;
      break;
    case 12:
      dx = flat, dy = -v;
      break;
    default:
      break;
  }
  x_[i] = static_cast<float>(x_[i] + dx);
  y_[i] = static_cast<float>(y_[i] + dy);
}

}  // namespace talvora
