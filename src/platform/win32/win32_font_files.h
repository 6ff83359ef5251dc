#pragma once

#include <string>
#include <vector>

#include "platform/font_files.h"

namespace talvora {

// The Windows fonts: Arial's four faces and Microsoft Sans Serif (the
// TrueType successor of MS Sans Serif) from the system's Fonts folder, else
// wherever the system's list of installed fonts puts them. Wine keeps its own
// fonts apart and lists Linux fonts under their own names, so Liberation Sans
// and Wine's folder come next, and Tahoma last.
class Win32FontFiles final : public FontFiles {
 public:
  Win32FontFiles();

  std::optional<FontFile> Find(std::string_view family, bool bold, bool italic) const override;

 private:
  std::optional<std::string> InFolders(std::string_view fileName) const;
  std::optional<std::string> Listed(std::string_view fontName) const;

  std::string fontsFolder_;
  std::vector<std::string> folders_;  // searched in order for a file name
};

}  // namespace talvora
