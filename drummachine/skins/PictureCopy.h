// Copying pictures between bitmap lists, item by item: the skin lists and the
// main window's lists trade their pictures this way.
#pragma once

#include "controls/styled/stycont.h"

// Copies the pictures of items first .. first + count - 1 of from into the
// same items of to; a list to that is shorter grows to hold them.
void CopyListPictures(const TStyBitmapList* from, TStyBitmapList* to, int first, int count);
