#include "scenes/banner.h"

#include <cstdio>
#include <string>

#include "common/number_text.h"
#include "common/rounding.h"
#include "runtime/graphics/picture_file.h"

namespace talvora {
namespace {

// "ARQUIVO" followed by the entry number with at least two digits.
std::string EntryKey(int index) {
  char key[24];
  std::snprintf(key, sizeof key, "ARQUIVO%02d", index);
  return key;
}

}  // namespace

AdvertisingBanner::AdvertisingBanner(Form& window)
    : imgPropaganda01(window, "imgPropaganda01", 0, 0, false) {}

void AdvertisingBanner::StartBanner(const SceneContext& context, Timer& timer) {
  const std::string list = context.ProgramFile("tlv.ini");
  const std::string& section = context.settings.Saver;
  if (context.ini.Read(list, section, "LIGADO") == "0") {
    timer.SetEnabled(false);
    return;
  }
  // An interval outside 0 to 65535 ms is taken to the nearest end of that
  // range rather than failing the window's load: below 0 the banner never
  // ticks, above it ticks at the slowest rate a timer has.
  timer.SetInterval(RoundToInt32(LeadingNumber(context.ini.Read(list, section, "TEMPO"))));
  timer.SetEnabled(true);
}

void AdvertisingBanner::Timer2_Timer(const SceneContext& context) {
  const std::string list = context.settings.SysDir + "tlv.ini";
  const std::string& section = context.settings.Saver;
  const std::string entry(context.ini.Read(list, section, EntryKey(BannerIndex_)));
  if (entry.empty()) {
    BannerIndex_ = 0;
    return;
  }
  const std::string file = context.settings.SysDir + entry;
  PictureLoadResult loaded = LoadPicture(context.paths.Native(file));
  if (!loaded.picture) return;  // the rotation stays at this entry
  imgPropaganda01.SetPicture(loaded.picture->WithFileOrigin(file));
  const bool atBottom = context.ini.Read(list, section, "POSICAO") == "0";
  if (context.runMode == kRunModeFullScreen) {
    const double w = imgPropaganda01.Width();
    const double h = imgPropaganda01.Height();
    const double left = context.W() / 2 - w / 2;
    const double top = atBottom ? context.H() - h : 0;
    imgPropaganda01.Move(RoundToInt32(left), RoundToInt32(top));
    imgPropaganda01.SetVisible(true);
  }
  ++BannerIndex_;
}

}  // namespace talvora
