// How the image controls and the fill bring themselves up to date after a
// change.
#pragma once

#include "controls/styled/stycctrl.h"

// A transparent control (or one being designed) is invalidated. An opaque
// one is painted at once together with the window-less siblings above it
// that overlap it, clipped to its own rectangle, so its repaint never covers
// a control lying on top of it (a cell over a skin fill, a button over a
// cell).
void RedrawOverlapping(TStyBaseGraphicControl* Control);
