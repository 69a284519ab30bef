#include "controls/styled/styctrl/StyCustomPanel.h"

#include "platform/vcl/Forms.h"

bool ParentProvidesBackground(TWinControl* Parent) {
  auto* parent = dynamic_cast<TStyCustomControl*>(Parent);
  return parent && parent->HandleAllocated() && parent->IsBackgroundProvider();
}

TStyCustomPanel::TStyCustomPanel(TComponent* AOwner) : TStyCustomControl(AOwner) {
  SetControlStyle(
      TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable});
  SetColor(clBtnFace);
}

bool TStyCustomPanel::IsBackgroundProvider() {
  return GetTransparent() && ParentProvidesBackground(GetParent());
}

TBitmap* TStyCustomPanel::BackBitmap() {
  if (!IsBackgroundProvider()) return nullptr;
  return static_cast<TStyCustomControl*>(GetParent())->BackBitmap();
}

TPoint TStyCustomPanel::MapBackgroundPoint(TPoint P) {
  if (!IsBackgroundProvider()) return P;
  // A provider's parent is always a windowed library control.
  auto* parent = static_cast<TStyCustomControl*>(GetParent());
  const TPoint own = parent->MapBackgroundPoint(TPoint(GetLeft(), GetTop()));
  return TPoint(own.X + P.X, own.Y + P.Y);
}

bool TStyCustomPanel::DrawBackgroundArea(TCanvas* Canvas, const TRect& Dest, TPoint Origin, int /*Flags*/) {
  if (Loading()) return false;
  TBitmap* back = BackBitmap();
  if (!back) return false;
  // Past half the border on each side, into the client area.
  if (GetWidth() != GetClientWidth()) Origin.X += (GetWidth() - GetClientWidth()) / 2;
  if (GetHeight() != GetClientHeight()) Origin.Y += (GetHeight() - GetClientHeight()) / 2;
  TWinControl* parent = GetParent();
  if (auto* styled = dynamic_cast<TStyCustomControl*>(parent)) Origin = styled->MapBackgroundPoint(Origin);
  const TRect source(Origin.X, Origin.Y, Origin.X + Dest.Width(), Origin.Y + Dest.Height());
  Canvas->CopyRect(Dest, back->GetCanvas(), source);
  return true;
}
