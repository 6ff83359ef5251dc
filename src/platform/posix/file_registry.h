#pragma once

#include <filesystem>

#include "platform/registry.h"
#include "platform/registry_tree.h"

namespace talvora {

// True for a store text cut short in a way that could read as another value:
// its last value is a number or a byte list with no line break after it.
bool StoreTextCutShort(std::string_view bytes);

// The registry kept in one REGEDIT4 file, for systems that have none.
//
// Every call reads the file afresh, since another process (the setup dialog)
// may have changed it. A missing file is an empty registry. A change rewrites
// the whole file atomically (a temporary file beside it, then a rename), so a
// reader sees the old file or the new one and a failed write leaves the old
// one. A file that cannot be read as REGEDIT4 is renamed aside (".corrupt",
// ".corrupt.1", ...) and never overwritten; while it cannot be moved aside the
// registry reads as empty and refuses writes. A file cut short (see above)
// counts as such: every rewrite ends its text with a line break, and a cut
// number or byte list could read as another value. A text value without its
// closing quote does not read at all; a complete one without a final line
// break, as a hand-edited file may end, reads.
class FileRegistry final : public Registry {
 public:
  explicit FileRegistry(std::filesystem::path file);

  std::optional<RegistryValue> Query(RegistryRoot root, std::string_view keyPath,
                                     std::string_view valueName, std::size_t maxBytes) override;
  bool Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
           const RegistryValue& value) override;
  bool Remove(RegistryRoot root, std::string_view keyPath, std::string_view valueName) override;

 private:
  struct Contents {
    RegistryTree tree;
    bool writable = true;  // false when rewriting would lose what the file holds
  };

  Contents Load() const;
  bool Store(const RegistryTree& tree) const;

  std::filesystem::path file_;
};

}  // namespace talvora
