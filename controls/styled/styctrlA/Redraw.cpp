#include "controls/styled/styctrlA/Redraw.h"

void RedrawOverlapping(TStyBaseGraphicControl* Control) {
  const TComponentState state = Control->GetComponentState();
  if (Control->GetTransparent() || state.Contains(csDesigning)) {
    Control->Invalidate();
    return;
  }
  if (state.Contains(csLoading)) return;
  // The class library's repaint of an opaque window-less control paints it
  // and every later sibling from the parent's list inside its rectangle.
  Control->Repaint();
}
