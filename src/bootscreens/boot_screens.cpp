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

// True when the file exists; one that cannot be read counts as absent.
bool Exists(FileServices& files, const std::string& path) { return files.SameContents(path, path); }

// Backs up the screen in place unless it is the product's; true when the
// product's may then replace it, nothing of Windows' being lost. A comparison
// that fails reads as "different", so it is asked both ways before a back-up
// is taken over the one kept.
bool KeepBackUp(FileServices& files, const std::string& inPlace, const std::string& product,
                const std::string& backUp) {
  if (files.SameContents(inPlace, product) || files.SameContents(product, inPlace)) return true;
  return files.CopyFile(inPlace, backUp) || !Exists(files, inPlace);
}

}  // namespace

void TelasWin95(std::int16_t tela, std::string_view winDir, const FilePaths& paths,
                FileServices& files) {
  auto native = [&paths](const std::string& path) { return PathToUtf8(paths.Native(path)); };
  const std::array<Screen, 3> screens = Screens(winDir);
  if (tela == 1) {
    std::array<bool, 3> safe{};
    for (std::size_t k = 0; k < screens.size(); ++k) {
      safe[k] = KeepBackUp(files, native(screens[k].inPlace), native(screens[k].product),
                           native(screens[k].backUp));
    }
    for (std::size_t k = 0; k < screens.size(); ++k) {
      if (safe[k]) files.CopyFile(native(screens[k].product), native(screens[k].inPlace));
    }
  } else {
    for (const Screen& screen : screens) {
      files.CopyFile(native(screen.backUp), native(screen.inPlace));
    }
  }
  files.SetAttributes(native(screens[0].inPlace), kFileAttributeHidden);
}

}  // namespace talvora
