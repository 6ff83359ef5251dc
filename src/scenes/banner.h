#pragma once

#include <cstdint>

#include "runtime/forms/image_control.h"
#include "runtime/forms/timer.h"
#include "scenes/scene_context.h"

namespace talvora {

// The advertising banner over any scene: pictures listed per scene in
// tlv.ini, one per tick of the banner timer, centred at the top or the
// bottom of the full screen.
class AdvertisingBanner {
 public:
  explicit AdvertisingBanner(Form& window);

  // Decides from the program's tlv.ini whether the banner runs and arms the timer.
  void StartBanner(const SceneContext& context, Timer& timer);
  // Shows the next picture of the list in the system folder's tlv.ini.
  void Timer2_Timer(const SceneContext& context);

  const ImageControl& Image() const { return imgPropaganda01; }
  std::int16_t BannerIndex() const { return BannerIndex_; }

 private:
  ImageControl imgPropaganda01;
  std::int16_t BannerIndex_ = 0;
};

}  // namespace talvora
