// The two-pane splitter with its framed panes.
#pragma once

#include "controls/shell/UNavSplitter/NavPane.h"
#include "controls/shell/UNavSplitter/NavSplitter.h"

// Makes TNavSplitter known to the form reader (TNavPane is registered by
// the unit's start, InitNavSplitter).
void RegisterNavSplitterClasses();
