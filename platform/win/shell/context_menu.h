// The context menu of shell items (or, with no items, of a folder's
// background): the commands and what they do.
#pragma once

#include <vector>

#include "platform/win/shell/item_ids.h"

namespace win::shell {

// A menu for the children of the folder; no children: the folder itself.
IContextMenu* CreateShellContextMenu(const Items& folder, const std::vector<Items>& children);

}  // namespace win::shell
