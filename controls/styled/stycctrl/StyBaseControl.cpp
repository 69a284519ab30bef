#include "controls/styled/stycctrl/StyBaseControl.h"

#include "platform/vcl/Forms.h"

void SetOpaqueStyle(TControl* Control, bool Opaque) {
  TControlStyle style = Control->GetControlStyle();
  if (Opaque)
    style.Include(csOpaque);
  else
    style.Exclude(csOpaque);
  Control->SetControlStyle(style);
}

TStyBaseControl::TStyBaseControl(TComponent* AOwner)
    : TGraphicControl(AOwner), FImageListRef(this, [this](TObject* Sender) { ImageListChanged(Sender); }) {}

TStyBaseControl::~TStyBaseControl() {
  FImageListRef.Disconnect();
}

void TStyBaseControl::Messages(TMessageMap<TStyBaseControl>& m) {
  m.On(CM_MOUSEENTER, &TStyBaseControl::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TStyBaseControl::CMMouseLeave);
  m.On(CM_PARENTBACKCHANGED, &TStyBaseControl::CMParentBackChanged);
}

void TStyBaseControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int oldLeft = GetLeft(), oldTop = GetTop(), oldWidth = GetWidth(), oldHeight = GetHeight();
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  TStyBoundsChanges changes;
  if (GetLeft() != oldLeft || GetTop() != oldTop) changes.Include(bcPositionChanged);
  if (GetWidth() != oldWidth || GetHeight() != oldHeight) changes.Include(bcSizeChanged);
  if (!changes.Empty() && !Loading()) BoundsChanged(changes);
}

void TStyBaseControl::BoundsChanged(TStyBoundsChanges Changes) {
  if (OnBoundsChanged) OnBoundsChanged(this, Changes);
}

bool TStyBaseControl::UsesParentBackground() {
  return false;
}

void TStyBaseControl::Changed(TObject* /*Sender*/) {
  if (!Loading()) Invalidate();
}

bool TStyBaseControl::IsEmpty() {
  return true;
}

void TStyBaseControl::ImageListChanged(TObject* Sender) {
  Changed(Sender);
}

void TStyBaseControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TStyBaseControl::MouseExit() {
  if (OnMouseExit) OnMouseExit(this);
}

void TStyBaseControl::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  FImageListRef.DefineProperties(Filer);
}

void TStyBaseControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  FImageListRef.Notification(AComponent, Operation);
}

void TStyBaseControl::DrawDesignFrame() {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clBlack);
  canvas->GetPen()->SetWidth(1);
  canvas->GetPen()->SetStyle(psDash);
  canvas->GetPen()->SetMode(pmCopy);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, GetWidth(), GetHeight());
}

void TStyBaseControl::FillBackground() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetPen()->SetStyle(psClear);
  canvas->FillRect(GetClientRect());
}

TPoint TStyBaseControl::ParentBackgroundOrigin(int X, int Y) {
  TWinControl* parent = GetParent();
  if (!parent || parent->InheritsFrom(TCustomForm::StaticClass())) return TPoint(X, Y);
  return TPoint(X + parent->GetLeft(), Y + parent->GetTop());
}

TRect TStyBaseControl::ClientRectToScreen(const TRect& R) {
  const TPoint topLeft = ClientToScreen(TPoint(R.Left, R.Top));
  const TPoint bottomRight = ClientToScreen(TPoint(R.Right, R.Bottom));
  return TRect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y);
}

void TStyBaseControl::CMMouseEnter(TMessage& m) {
  InheritedMessage(m);
  MouseEnter();
}

void TStyBaseControl::CMMouseLeave(TMessage& m) {
  InheritedMessage(m);
  MouseExit();
}

void TStyBaseControl::CMParentBackChanged(TMessage& /*m*/) {
  if (!Loading() && UsesParentBackground()) Changed(nullptr);
}
