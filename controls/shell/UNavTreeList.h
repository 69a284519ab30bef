// The tree and list view bases of the shell browser controls: custom drawing
// of single items, context menus for a node or item, and the list's sort
// header.
#pragma once

#include "controls/shell/UNavTreeList/CustomDraw.h"
#include "controls/shell/UNavTreeList/ListView.h"
#include "controls/shell/UNavTreeList/SortHeader.h"
#include "controls/shell/UNavTreeList/TreeView.h"
