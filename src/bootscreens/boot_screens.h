#pragma once

#include <cstdint>
#include <string_view>

#include "platform/file_paths.h"
#include "platform/file_services.h"

namespace talvora {

// Swaps Windows 95's start-up and shut-down screens for the product's
// (tela = 1), keeping back-ups of the ones in place, or copies the back-ups
// back (any other value). winDir is the Windows folder with its trailing
// backslash. Every step is tried in turn and a failing one is skipped
// silently; "c:\logo.sys" ends up with only the hidden attribute.
//
// A back-up is not taken over a screen that already is the product's (an
// install run twice, or after the setting was lost), so the original Windows
// screens are never lost; nor is a screen replaced whose back-up failed.
void TelasWin95(std::int16_t tela, std::string_view winDir, const FilePaths& paths,
                FileServices& files);

}  // namespace talvora
