// talvora-assets FOLDER: writes every picture of the saver into FOLDER as a
// PNG file, with the time each took to draw, for looking at them.

#include <chrono>
#include <cstdio>
#include <string>

#include "assets/pictures.h"
#include "assets/tools/png_file.h"

namespace {

// The dialog face the icon and the cursor are seen on.
constexpr talvora::Pixel kDialogFace = 0xC0C0C0;

// The cursor as Windows lays it on the dialog: (face AND mask) XOR image.
talvora::Surface HandCursorOnDialog() {
  const talvora::CursorPicture cursor = talvora::MakeHandCursor();
  talvora::Surface laid(cursor.image.Width(), cursor.image.Height(), kDialogFace);
  for (int y = 0; y < laid.Height(); ++y) {
    for (int x = 0; x < laid.Width(); ++x) {
      laid.At(x, y) = (kDialogFace & cursor.mask.At(x, y)) ^ cursor.image.At(x, y);
    }
  }
  return laid;
}

struct Picture {
  const char* fileName;
  talvora::Surface (*make)();
};

constexpr Picture kPictures[] = {
    {"balls.png", talvora::MakeBallStrip},
    {"trophy_world_cup.png", talvora::MakeWorldCupTrophy},
    {"trophy_jules_rimet.png", talvora::MakeJulesRimetTrophy},
    {"posters.png", talvora::MakePosterStrip},
    {"champions.png", talvora::MakeChampionStrip},
    {"table_backgrounds.png", talvora::MakeTableBackgrounds},
    {"badge.png", talvora::MakeBadge},
    {"preview_balls.png", talvora::MakeBallsPreview},
    {"preview_trophies.png", talvora::MakeTrophiesPreview},
    {"preview_jules_rimet.png", talvora::MakeJulesRimetPreview},
    {"preview_world_cup.png", talvora::MakeWorldCupPreview},
    {"preview_posters.png", talvora::MakePosterCollagePreview},
    {"preview_champions.png", talvora::MakeChampionsPreview},
    {"preview_table.png", talvora::MakeTablePreview},
    {"icon_16.png", [] { return talvora::MakeProductIcon(16, kDialogFace); }},
    {"icon_32.png", [] { return talvora::MakeProductIcon(32, kDialogFace); }},
    {"cursor_hand.png", HandCursorOnDialog},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: talvora-assets FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  double totalMs = 0.0;
  int status = 0;
  for (const Picture& picture : kPictures) {
    const auto start = std::chrono::steady_clock::now();
    const talvora::Surface surface = picture.make();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    totalMs += took.count();
    const std::string path = folder + "/" + picture.fileName;
    if (!talvora::tools::WritePngFile(surface, path)) {
      std::fprintf(stderr, "talvora-assets: cannot write %s\n", path.c_str());
      status = 1;
      continue;
    }
    std::printf("%-24s %4d x %-4d %7.2f ms\n", picture.fileName, surface.Width(), surface.Height(),
                took.count());
  }
  std::printf("%-24s %19.2f ms\n", "all", totalMs);
  return status;
}
