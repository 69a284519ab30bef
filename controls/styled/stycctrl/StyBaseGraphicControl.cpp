#include "controls/styled/stycctrl/StyBaseGraphicControl.h"

#include "controls/styled/stycctrl/StyCustomControl.h"

TStyBaseGraphicControl::TStyBaseGraphicControl(TComponent* AOwner) : TStyBaseControl(AOwner) {
  TControlStyle style = GetControlStyle();
  style.Exclude(csOpaque);
  style.Include(csReplicatable);
  SetControlStyle(style);
  FTransparent = true;
  SetBounds(GetLeft(), GetTop(), 30, 30);
}

void TStyBaseGraphicControl::Messages(TMessageMap<TStyBaseGraphicControl>& m) {
  m.On(CM_TRANSPARENTCHANGED, &TStyBaseGraphicControl::CMTransparentChanged);
}

void TStyBaseGraphicControl::SetTransparent(bool value) {
  if (value == FTransparent) return;
  SetOpaqueStyle(this, !value);
  FTransparent = value;
  Perform(CM_TRANSPARENTCHANGED, 0, 0);
}

bool TStyBaseGraphicControl::UsesParentBackground() {
  if (!FTransparent) return false;
  auto* parent = dynamic_cast<TStyCustomControl*>(GetParent());
  return parent && parent->HandleAllocated() && parent->IsBackgroundProvider();
}

void TStyBaseGraphicControl::Changed(TObject* /*Sender*/) {
  Redraw();
}

void TStyBaseGraphicControl::Paint() {
  if (Designing()) DrawDesignFrame();
}

void TStyBaseGraphicControl::Redraw() {
  if (FTransparent || Designing()) {
    Invalidate();
    return;
  }
  // Painting at once needs the parent's window; without one there is
  // nothing on screen to bring up to date.
  if (Loading() || !GetParent() || !GetParent()->HandleAllocated() || !GetVisible()) return;
  // The class library's repaint of an opaque window-less control paints it
  // and the later siblings overlapping it, clipped to its rectangle, so the
  // repaint never covers a control lying on top of it (a cell over a skin
  // fill, a button over a cell).
  Repaint();
}

void TStyBaseGraphicControl::CMTransparentChanged(TMessage& /*m*/) {
  Redraw();
}
