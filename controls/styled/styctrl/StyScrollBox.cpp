#include "controls/styled/styctrl/StyScrollBox.h"

#include "controls/styled/styctrl/StyBevelPanel.h"
#include "platform/win/windows.h"

TStyCustomScrollBox::TStyCustomScrollBox(TComponent* AOwner)
    : TScrollBox(AOwner), FBevel(std::make_unique<TStyBevel>()), FCanvas(std::make_unique<TControlCanvas>()) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable});
  FCanvas->SetControl(this);
  SetBorderStyle(bsNone);
  // The border support first: the mode then takes no room for the border
  // the system draws.
  FBevel->SetWindowBorderSupport(true);
  FBevel->SetMode(bmWindows);
  FBevel->OnChange = [this](TObject* Sender) { BevelChanged(Sender); };
  SetCtl3D(true);
  SetBounds(GetLeft(), GetTop(), 185, 41);
  RecreateWnd();
}

TStyCustomScrollBox::~TStyCustomScrollBox() {
  FBevel->OnChange = nullptr;
  FCanvas->FreeHandle();
}

void TStyCustomScrollBox::Messages(TMessageMap<TStyCustomScrollBox>& m) {
  m.On(WM_NCCALCSIZE, &TStyCustomScrollBox::WMNCCalcSize);
  m.On(WM_NCPAINT, &TStyCustomScrollBox::WMNCPaint);
  m.On(WM_ERASEBKGND, &TStyCustomScrollBox::WMEraseBkgnd);
  m.On(WM_MOVE, &TStyCustomScrollBox::WMMove);
  m.On(WM_SIZE, &TStyCustomScrollBox::WMSize);
  m.On(WM_HSCROLL, &TStyCustomScrollBox::WMScroll);
  m.On(WM_VSCROLL, &TStyCustomScrollBox::WMScroll);
  m.On(WM_NCHITTEST, &TStyCustomScrollBox::WMNCHitTest);
  m.On(CM_PARENTBACKCHANGED, &TStyCustomScrollBox::CMParentBackChanged);
  m.On(CM_COLORCHANGED, &TStyCustomScrollBox::CMColorChanged);
  m.On(CM_PARENTCOLORCHANGED, &TStyCustomScrollBox::CMColorChanged);
  m.On(CM_CTL3DCHANGED, &TStyCustomScrollBox::CMCtl3DChanged);
}

bool TStyCustomScrollBox::UsesParentBackground() {
  return FTransparent && ParentProvidesBackground(GetParent());
}

bool TStyCustomScrollBox::BothScrollBarsVisible() {
  if (!HandleAllocated()) return false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(GetHandle(), GWL_STYLE));
  return (style & WS_HSCROLL) && (style & WS_VSCROLL);
}

bool TStyCustomScrollBox::DrawParentBackground(TCanvas* Canvas, const TRect& Dest) {
  auto* parent = dynamic_cast<TStyCustomControl*>(GetParent());
  if (Loading() || !parent) return false;
  TBitmap* back = parent->BackBitmap();
  if (!back) return false;
  const TPoint origin = parent->MapBackgroundPoint(TPoint(GetLeft() + Dest.Left, GetTop() + Dest.Top));
  Canvas->CopyRect(Dest, back->GetCanvas(),
                   TRect(origin.X, origin.Y, origin.X + Dest.Width(), origin.Y + Dest.Height()));
  return true;
}

void TStyCustomScrollBox::RedrawFrame() {
  if (HandleAllocated()) RedrawWindow(GetHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void TStyCustomScrollBox::BevelChanged(TObject* Sender) {
  if (Sender == FBevel.get()) {
    RecreateWnd();
    FBevel->SetWindowBorderSupport(true);
    return;
  }
  RedrawFrame();
  Invalidate();
}

void TStyCustomScrollBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
  Params.Style |= WS_CLIPCHILDREN;
  if (FBevel->GetMode() == bmWindows) AddWindowsBevelBorder(Params, GetCtl3D());
}

void TStyCustomScrollBox::PaintWindow(HDC DC) {
  if (Loading() || !DC) return;
  FCanvas->Lock();
  FCanvas->PaintOn(DC, [this] {
    if (UsesParentBackground()) DrawParentBackground(FCanvas.get(), GetClientRect());
  });
  FCanvas->Unlock();
  if (OnPaint) OnPaint(this);
}

void TStyCustomScrollBox::WMNCCalcSize(TMessage& m) {
  InheritedMessage(m);
  // Both forms of the message carry the new client rectangle first.
  auto* r = reinterpret_cast<RECT*>(m.LParam);
  if (!r) return;
  r->left += FBevel->GetExtent();
  r->top += FBevel->GetExtent();
  r->right -= FBevel->GetExtentBottomRight();
  r->bottom -= FBevel->GetExtentBottomRight();
  if (r->right < r->left) r->right = r->left;
  if (r->bottom < r->top) r->bottom = r->top;
}

void TStyCustomScrollBox::WMNCPaint(TMessage& m) {
  if (Loading() && !IsWindowVisible(GetHandle())) return;
  InheritedMessage(m);
  HDC dc = GetWindowDC(GetHandle());
  if (!dc) return;
  FCanvas->Lock();
  FCanvas->PaintOn(dc, [this] {
    FBevel->PaintBevel(FCanvas.get(), TRect(0, 0, GetWidth(), GetHeight()), false);
    if (!BothScrollBarsVisible()) return;
    // The square between the scroll bars, inside the bevel (and inside the
    // client edge the system draws for bmWindows).
    int inset = 0;
    if (FBevel->GetMode() == bmWindows) inset = GetCtl3D() ? 2 : 1;
    const int right = GetWidth() - FBevel->GetExtentBottomRight() - inset;
    const int bottom = GetHeight() - FBevel->GetExtentBottomRight() - inset;
    const TRect corner(right - GetSystemMetrics(SM_CXVSCROLL), bottom - GetSystemMetrics(SM_CYHSCROLL), right, bottom);
    if (UsesParentBackground() && DrawParentBackground(FCanvas.get(), corner)) return;
    FCanvas->GetBrush()->SetStyle(bsSolid);
    FCanvas->GetBrush()->SetColor(GetColor());
    FCanvas->FillRect(corner);
  });
  FCanvas->Unlock();
  ReleaseDC(GetHandle(), dc);
}

void TStyCustomScrollBox::WMEraseBkgnd(TMessage& m) {
  if (!UsesParentBackground()) {
    InheritedMessage(m);
    return;
  }
  m.Result = 1;
  if (GetControlCount() < 2) PaintWindow(reinterpret_cast<HDC>(m.WParam));
}

void TStyCustomScrollBox::WMMove(TMessage& m) {
  InheritedMessage(m);
  if (!UsesParentBackground()) return;
  Repaint();
  TMessage back{CM_PARENTBACKCHANGED, 0, 0, 0};
  Broadcast(back);
}

void TStyCustomScrollBox::CMParentBackChanged(TMessage& m) {
  Invalidate();
  if (UsesParentBackground()) Broadcast(m);
}

void TStyCustomScrollBox::WMSize(TMessage& m) {
  InheritedMessage(m);
  BevelChanged(nullptr);
}

void TStyCustomScrollBox::WMScroll(TMessage& m) {
  InheritedMessage(m);
  if (!UsesParentBackground()) return;
  bool repaint = LOWORD(m.WParam) == SB_ENDSCROLL;
  if (FInstantUpdate && ++FRepaintCounter >= FRepaintStep) {
    FRepaintCounter = 0;
    repaint = true;
  }
  if (repaint) InvalidateRect(GetHandle(), nullptr, FALSE);
}

void TStyCustomScrollBox::WMNCHitTest(TMessage& m) {
  InheritedMessage(m);
  if (Designing() && (m.Result == HTNOWHERE || m.Result == HTSIZE)) m.Result = HTCLIENT;
}

void TStyCustomScrollBox::CMColorChanged(TMessage& m) {
  InheritedMessage(m);
  if (FTransparent || Loading()) return;
  Invalidate();
  if (BothScrollBarsVisible()) RedrawFrame();
}

void TStyCustomScrollBox::CMCtl3DChanged(TMessage& m) {
  if (FBevel->GetMode() == bmWindows) RecreateWnd();
  InheritedMessage(m);
}

void TStyScrollBox::SetBevel(TStyBevel* value) {
  GetBevel()->Assign(value);
  Perform(CM_BEVELCHANGED, 0, 0);
}

void TStyScrollBox::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  SetOpaqueStyle(this, !value);
  RecreateWnd();
  Invalidate();
}

void TStyScrollBox::Publish(TPublisher<TStyScrollBox>& p) {
  p.Prop("Bevel", &TStyScrollBox::GetBevel, &TStyScrollBox::SetBevel);
  p.Prop("Transparent", &TStyScrollBox::GetTransparent, &TStyScrollBox::SetTransparent).Default(false);
  p.Prop("InstantUpdate", &TStyScrollBox::GetInstantUpdate, &TStyScrollBox::SetInstantUpdate).Default(true);
  p.Prop("MouseWheelSupport", &TStyScrollBox::GetMouseWheelSupport, &TStyScrollBox::SetMouseWheelSupport);
  p.Prop("OnPaint", &TStyScrollBox::OnPaint);
  // Read-only: always bsNone, never written.
  p.Prop("BorderStyle", &TStyScrollBox::GetBorderStyle, [](TStyScrollBox&, TBorderStyle) {}).Stored(false);
}
