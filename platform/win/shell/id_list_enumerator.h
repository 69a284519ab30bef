// IEnumIDList over a list of single items taken at EnumObjects time.
#pragma once

#include "platform/win/shell/item_ids.h"

namespace win::shell {

IEnumIDList* CreateIdListEnumerator(Items items);

}  // namespace win::shell
