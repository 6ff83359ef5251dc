#include "bootscreens/boot_screens.h"

#include <array>
#include <string>

#include "common/utf8_path.h"

namespace talvora {
namespace {

// One screen: the file Windows shows, the product's picture for it, and the
// back-up of the one that was in place.
struct Screen {
  std::string inPlace;
  std::string product;
  std::string backUp;
};

std::array<Screen, 3> Screens(std::string_view winDir) {
  const std::string dir(winDir);
  return {{
      {"c:\\logo.sys", dir + "logo.tlv", "c:\\logo.tl2"},
      {dir + "logos.sys", dir + "logos.tlv", dir + "logos.tl2"},
      {dir + "logow.sys", dir + "logow.tlv", dir + "logow.tl2"},
  }};
}

}  // namespace

void TelasWin95(std::int16_t tela, std::string_view winDir, const FilePaths& paths,
                FileServices& files) {
  auto native = [&paths](const std::string& path) { return PathToUtf8(paths.Native(path)); };
  const std::array<Screen, 3> screens = Screens(winDir);
  if (tela == 1) {
    for (const Screen& screen : screens) {
      if (!files.SameContents(native(screen.inPlace), native(screen.product))) {
        files.CopyFile(native(screen.inPlace), native(screen.backUp));
      }
    }
    for (const Screen& screen : screens) {
      files.CopyFile(native(screen.product), native(screen.inPlace));
    }
  } else {
    for (const Screen& screen : screens) {
      files.CopyFile(native(screen.backUp), native(screen.inPlace));
    }
  }
  files.SetAttributes(native(screens[0].inPlace), kFileAttributeHidden);
}

}  // namespace talvora
