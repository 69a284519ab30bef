// The type names the shell shows for its items.
#pragma once

#include <string>

#include "platform/win/shell/item_ids.h"

namespace win::shell {

// Folders, volumes and virtual items by kind; files from a table of
// extensions, else "<EXT> File", else "File".
std::string TypeNameOf(const Item& item);

}  // namespace win::shell
