#pragma once

#include <string>

#include "platform/profile.h"

namespace talvora {

// The profile service read with the standard library alone, so it serves every
// build. It answers as the Windows service does, including where that service
// surprises:
// - a line is a section header when it starts with "[" and holds a "]"; the
//   name runs to the last "]" and text after it is ignored; a "[" line without
//   "]" is an ordinary line of the current section;
// - lines before the first header form a section with the empty name, which
//   therefore hides any "[]" header further down;
// - only the first section of a name is searched, and in it the first line of
//   the key's name; a line without "=" is a key without a value and reads as
//   the default, even when the key follows again with a value;
// - names and values lose the blanks around them (tab to carriage return,
//   space, Ctrl-Z), names compare without regard to ASCII case, and texts end
//   at a NUL; ";" comments need no rule of their own, as no key is asked for
//   by a name that starts with ";";
// - one pair of matching quotes around a value or the default is dropped;
//   trailing spaces of the default are dropped, all but the first;
// - a file starting with the UTF-8 signature is read as UTF-8 and handed over
//   in the ANSI code page.
class IniFileProfile final : public ProfileService {
 public:
  void GetString(std::string_view section, std::string_view key, std::string_view defaultText,
                 std::size_t bufferSize, const std::filesystem::path& file,
                 std::string& copied) const override;

 private:
  // The file's bytes and their ANSI decoding, kept from read to read so that
  // their storage is reused; a read leaves nothing in them that matters.
  mutable std::string bytes_;
  mutable std::string decoded_;
};

}  // namespace talvora
