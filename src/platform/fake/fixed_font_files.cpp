#include "platform/fake/fixed_font_files.h"

#include <utility>

namespace talvora {

void FixedFontFiles::Add(std::string family, FontFile file) {
  entries_.push_back({std::move(family), std::move(file)});
}

std::optional<FontFile> FixedFontFiles::Find(std::string_view family, bool bold,
                                             bool italic) const {
  for (const Entry& entry : entries_) {
    if (SameFamily(entry.family, family) && entry.file.bold == bold &&
        entry.file.italic == italic) {
      return entry.file;
    }
  }
  return std::nullopt;
}

}  // namespace talvora
