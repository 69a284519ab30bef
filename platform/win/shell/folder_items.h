// What a shell folder knows about its items: the children it lists, their
// attributes and their order.
#pragma once

#include "platform/win/shell/item_ids.h"

namespace win::shell {

// The children of a folder given by its absolute list: the desktop's
// virtual items and desktop entries, My Computer's volumes, or a folder's
// entries in byte order of their names. A folder that cannot be read has
// none.
Items ChildrenOf(const Items& folder, SHCONTF flags);

// The SFGAO_ bits of an item below a folder (relative list, last item
// counts). Answers for dangling links and unreadable folders too.
SFGAOF AttributesOf(const Items& folder, const Items& relative);

// Negative, 0 or positive. The column is 0 name, 1 size, 2 type, 3 date.
int CompareItems(const Items& folder, const Items& a, const Items& b, int column);

}  // namespace win::shell
