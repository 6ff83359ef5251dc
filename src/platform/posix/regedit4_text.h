#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry_tree.h"

namespace talvora {

// The REGEDIT4 text Windows' registry editor imports and exports, used as the
// settings store where there is no registry. The tree holds ANSI (code page
// 1252) bytes; the text is UTF-8.

// The tree a REGEDIT4 text describes, applying its deletions ("[-KEY]",
// "Name"=-) in order; nullopt when the text is not a REGEDIT4 text. An empty
// or blank text is an empty tree. A text that is not valid UTF-8 is taken as
// code page 1252.
std::optional<RegistryTree> ParseRegedit4(std::string_view text);

// The text of a tree, keys and values in the tree's order, LF line ends.
std::string SerializeRegedit4(const RegistryTree& tree);

}  // namespace talvora
