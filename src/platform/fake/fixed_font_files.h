#pragma once

#include <string>
#include <vector>

#include "platform/font_files.h"

namespace talvora {

// Font files named by a test. It hands out what it was given, whether or not
// the file exists, standing in for a system whose font list is stale.
class FixedFontFiles final : public FontFiles {
 public:
  // Serves the face of family in the file's own style.
  void Add(std::string family, FontFile file);

  std::optional<FontFile> Find(std::string_view family, bool bold, bool italic) const override;

 private:
  struct Entry {
    std::string family;
    FontFile file;
  };
  std::vector<Entry> entries_;
};

}  // namespace talvora
