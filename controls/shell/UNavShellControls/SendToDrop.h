// Dropping a data object on an entry of the Send To folder, as a user's
// drag onto it with the left button would.
#pragma once

#include <string>

#include "platform/win/ole2.h"

// Locates and binds the Send To folder, parses the entry in it and hands
// the data object to the entry's drop target (DragEnter, DragOver, Drop with
// MK_LBUTTON at (0, 0), offering a copy). Raises EOleSysError when the
// folder, the entry or its drop target cannot be had.
void SendToDrop(const std::string& entryName, IDataObject* data);
