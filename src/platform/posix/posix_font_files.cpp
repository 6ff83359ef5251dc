#include "platform/posix/posix_font_files.h"

#include <sys/stat.h>

#include <utility>

namespace talvora {
namespace {

bool IsFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::string LiberationSansName(bool bold, bool italic) {
  if (bold && italic) return "LiberationSans-BoldItalic.ttf";
  if (bold) return "LiberationSans-Bold.ttf";
  if (italic) return "LiberationSans-Italic.ttf";
  return "LiberationSans-Regular.ttf";
}

std::optional<FontFile> Existing(FontFile file) {
  if (!IsFile(file.path)) return std::nullopt;
  return file;
}

}  // namespace

PosixFontFiles::PosixFontFiles(std::string liberationFolder, std::string wineFontsFolder)
    : liberationFolder_(std::move(liberationFolder)),
      wineFontsFolder_(std::move(wineFontsFolder)) {}

std::optional<FontFile> PosixFontFiles::Find(std::string_view family, bool bold,
                                             bool italic) const {
  if (SameFamily(family, kArialFamily)) {
    return Existing({liberationFolder_ + "/" + LiberationSansName(bold, italic), bold, italic});
  }
  if (SameFamily(family, kMsSansSerifFamily) && !bold && !italic) {
    return Existing({wineFontsFolder_ + "/ms_sans_serif.ttf", false, false});
  }
  return std::nullopt;
}

std::unique_ptr<FontFiles> MakeSystemFontFiles() { return std::make_unique<PosixFontFiles>(); }

}  // namespace talvora
