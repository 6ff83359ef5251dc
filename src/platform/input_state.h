#pragma once

namespace talvora {

// Mouse buttons and shift keys, as the forms' events number them.
inline constexpr int kLeftButtonMask = 1;
inline constexpr int kRightButtonMask = 2;
inline constexpr int kMiddleButtonMask = 4;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

}  // namespace talvora
