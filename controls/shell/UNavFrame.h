// The frame painters, the framed group and the caption frame of the shell
// browser library.
#pragma once

#include "controls/shell/UNavFrame/FramePainters.h"
#include "controls/shell/UNavFrame/NavFrame.h"
#include "controls/shell/UNavFrame/NavGroup.h"

// Makes TNavGroup and TNavFrame known to the form reader.
void RegisterNavFrameClasses();
