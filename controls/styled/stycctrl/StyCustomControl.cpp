#include "controls/styled/stycctrl/StyCustomControl.h"

#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

TStyCustomControl::TStyCustomControl(TComponent* AOwner)
    : TCustomControl(AOwner), FImageListRef(this, [this](TObject* Sender) { ImageListChanged(Sender); }) {
  SetBounds(GetLeft(), GetTop(), 100, 40);
  SetTabStop(false);
}

TStyCustomControl::~TStyCustomControl() {
  FImageListRef.Disconnect();
}

void TStyCustomControl::Messages(TMessageMap<TStyCustomControl>& m) {
  m.On(WM_ERASEBKGND, &TStyCustomControl::WMEraseBkgnd);
  m.On(WM_SETFOCUS, &TStyCustomControl::WMSetFocus);
  m.On(WM_KILLFOCUS, &TStyCustomControl::WMKillFocus);
  m.On(WM_MOVE, &TStyCustomControl::WMMove);
  m.On(WM_SIZE, &TStyCustomControl::WMSize);
  m.On(WM_PAINT, &TStyCustomControl::WMPaint);
  m.On(CM_MOUSEENTER, &TStyCustomControl::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TStyCustomControl::CMMouseLeave);
  m.On(CM_SYSCOLORCHANGE, &TStyCustomControl::CMSysColorChange);
  m.On(CM_PARENTBACKCHANGED, &TStyCustomControl::CMParentBackChanged);
  m.On(CM_FOCUSIN, &TStyCustomControl::CMFocusIn);
  m.On(CM_FOCUSOUT, &TStyCustomControl::CMFocusOut);
}

void TStyCustomControl::SetTransparent(bool value) {
  if (value == FTransparent) return;
  SetOpaqueStyle(this, !value);
  FTransparent = value;
  RecreateWnd();
}

bool TStyCustomControl::UsesParentBackground() {
  return FTransparent && IsBackgroundProvider();
}

void TStyCustomControl::DrawBackground() {
  TCanvas* canvas = GetCanvas();
  if (UsesParentBackground() && DrawBackgroundArea(canvas, GetClientRect(), TPoint(GetLeft(), GetTop()), 0)) return;
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
}

void TStyCustomControl::GetChange(TObject* /*Sender*/) {
  if (FRepaintOnChange) Invalidate();
}

bool TStyCustomControl::ShowDesignFrame() {
  return true;
}

void TStyCustomControl::ImageListChanged(TObject* Sender) {
  GetChange(Sender);
}

void TStyCustomControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
  FMouseInside = true;
}

void TStyCustomControl::MouseExit() {
  FMouseInside = false;
  if (!FHasFocus) EraseFocusFrame();
  if (OnMouseExit) OnMouseExit(this);
}

TRect TStyCustomControl::WindowFrameRect() {
  RECT r{};
  GetWindowRect(GetHandle(), &r);
  return TRect(0, 0, r.right - r.left, r.bottom - r.top);
}

void TStyCustomControl::EraseFocusFrame() {
  if (Focused() || !FFocusFrame || FMouseInside || !HandleAllocated()) return;
  HDC dc = GetWindowDC(GetHandle());
  RECT r = WindowFrameRect();
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  FrameRect(dc, &r, face);
  if (GetCtl3D()) {
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, face);
  }
  DeleteObject(face);
  ReleaseDC(GetHandle(), dc);
}

void TStyCustomControl::DrawFocusFrame() {
  if (!HandleAllocated()) return;
  HDC dc = GetWindowDC(GetHandle());
  RECT r = WindowFrameRect();
  HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
  if (GetCtl3D()) {
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    FrameRect(dc, &shifted, frame);
    RECT shrunk{r.left, r.top, r.right - 1, r.bottom - 1};
    FrameRect(dc, &shrunk, face);
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    DeleteObject(face);
  } else {
    FrameRect(dc, &r, frame);
  }
  DeleteObject(frame);
  ReleaseDC(GetHandle(), dc);
}

TBitmap* TStyCustomControl::BackBitmap() {
  return nullptr;
}

bool TStyCustomControl::IsBackgroundProvider() {
  return false;
}

bool TStyCustomControl::DrawBackgroundArea(TCanvas* /*Canvas*/, const TRect& /*Dest*/, TPoint /*Origin*/,
                                           int /*Flags*/) {
  return false;
}

TPoint TStyCustomControl::MapBackgroundPoint(TPoint P) {
  return P;
}

HPALETTE TStyCustomControl::BackgroundPalette() {
  if (IsBackgroundProvider()) return nullptr;
  auto* parent = dynamic_cast<TStyCustomControl*>(GetParent());
  if (!parent) return nullptr;
  TBitmap* bitmap = parent->BackBitmap();
  return bitmap ? bitmap->GetPalette() : nullptr;
}

void TStyCustomControl::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  FImageListRef.DefineProperties(Filer);
}

void TStyCustomControl::Loaded() {
  inherited::Loaded();
}

void TStyCustomControl::AlignControls(TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
}

void TStyCustomControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  FImageListRef.Notification(AComponent, Operation);
}

void TStyCustomControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TStyCustomControl::Paint() {
  if (Loading()) return;
  DrawBackground();
  if (!Designing())
    EraseFocusFrame();
  else if (ShowDesignFrame())
    DrawDesignFrame();
}

void TStyCustomControl::DoEnter() {
  inherited::DoEnter();
  FHasFocus = true;
  if (FFocusFrame) DrawFocusFrame();
}

void TStyCustomControl::DoExit() {
  FHasFocus = false;
  EraseFocusFrame();
  inherited::DoExit();
}

void TStyCustomControl::DrawDesignFrame() {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clBlack);
  canvas->GetPen()->SetStyle(psDash);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, GetWidth(), GetHeight());
}

void TStyCustomControl::DrawBackgroundRect(const TRect& R) {
  TCanvas* canvas = GetCanvas();
  if (UsesParentBackground() && DrawBackgroundArea(canvas, R, TPoint(GetLeft() + R.Left, GetTop() + R.Top), 0)) return;
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(R);
}

void TStyCustomControl::WMEraseBkgnd(TMessage& m) {
  if (UsesParentBackground()) {
    m.Result = 1;
    return;
  }
  InheritedMessage(m);
}

void TStyCustomControl::WMSetFocus(TMessage& m) {
  InheritedMessage(m);
  // Posted, so OnFocusIn runs once the focus change has completed.
  if (HandleAllocated()) PostMessageA(GetHandle(), CM_FOCUSIN, 0, 0);
}

void TStyCustomControl::WMKillFocus(TMessage& m) {
  InheritedMessage(m);
  if (HandleAllocated()) PostMessageA(GetHandle(), CM_FOCUSOUT, 0, 0);
}

void TStyCustomControl::WMMove(TMessage& m) {
  InheritedMessage(m);
  if (UsesParentBackground()) {
    Repaint();
    if (GetControlCount() > 0) PaintControls(GetCanvas()->GetHandle(), nullptr);
  }
}

void TStyCustomControl::WMSize(TMessage& m) {
  InheritedMessage(m);
  if (UsesParentBackground()) {
    Repaint();
    TMessage paint{WM_PAINT, 0, 0, 0};
    Broadcast(paint);
  } else {
    Invalidate();
  }
}

void TStyCustomControl::WMPaint(TMessage& m) {
  InheritedMessage(m);
}

void TStyCustomControl::CMMouseEnter(TMessage& m) {
  InheritedMessage(m);
  MouseEnter();
}

void TStyCustomControl::CMMouseLeave(TMessage& m) {
  InheritedMessage(m);
  MouseExit();
}

void TStyCustomControl::CMSysColorChange(TMessage& m) {
  InheritedMessage(m);
  if (!FTransparent) Invalidate();
}

void TStyCustomControl::CMParentBackChanged(TMessage& m) {
  if (Loading()) return;
  if (UsesParentBackground()) {
    Repaint();
    TMessage back{CM_PARENTBACKCHANGED, 0, 0, 0};
    Broadcast(back);
  } else {
    Invalidate();
  }
  (void)m;
}

void TStyCustomControl::CMFocusIn(TMessage& /*m*/) {
  if (OnFocusIn) OnFocusIn(this);
}

void TStyCustomControl::CMFocusOut(TMessage& /*m*/) {
  if (OnFocusOut) OnFocusOut(this);
}
