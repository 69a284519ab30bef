// The drop effects a dragged data object allows.
#pragma once

#include "platform/win/ole2.h"

// The copy, move and link bits that all items of the object's "Shell IDList
// Array" share; all three (7) when the object has no such block, or one
// whose count or offsets do not fit it. Raises EOleSysError when the items'
// folder cannot be bound or asked.
DWORD GetAllowedDropEffects(IDataObject* data);
