#include "controls/shell/UNavSplitter/NavSplitter.h"

#include <algorithm>
#include <cmath>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

namespace {

// The 8 x 8 monochrome drag pattern, made once and shared by every splitter.
HBITMAP splitterPatternBitmap = nullptr;
bool splitterRegisteredPane = false;

HBITMAP SplitterDragPattern() {
  if (!splitterPatternBitmap) {
    // One word per row: a pixel is white where the row's and the column's
    // parities differ.
    WORD rows[8];
    for (int y = 0; y < 8; ++y) rows[y] = static_cast<WORD>(y % 2 == 0 ? 0x5555 : 0xAAAA);
    splitterPatternBitmap = CreateBitmap(8, 8, 1, 1, rows);
  }
  return splitterPatternBitmap;
}

}  // namespace

void InitNavSplitter() {
  if (!GetClass("TNavPane")) {
    RegisterClass(TNavPane::StaticClass());
    splitterRegisteredPane = true;
  }
}

void DoneNavSplitter() {
  if (splitterRegisteredPane) UnRegisterClass(TNavPane::StaticClass());
  splitterRegisteredPane = false;
  if (splitterPatternBitmap) DeleteObject(splitterPatternBitmap);
  splitterPatternBitmap = nullptr;
}

TNavSplitter::TNavSplitter(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csDesignInteractive, csClickEvents, csDoubleClicks});
  SetBounds(GetLeft(), GetTop(), 200, 140);
}

void TNavSplitter::Publish(TPublisher<TNavSplitter>& p) {
  p.Prop("Style", &TNavSplitter::GetStyle, &TNavSplitter::SetStyle).Default(navstVertical);
  p.Prop("Position", &TNavSplitter::GetPosition, &TNavSplitter::SetPosition).Default(65);
  p.Prop("SplitterWidth", &TNavSplitter::GetSplitterWidth, &TNavSplitter::SetSplitterWidth).Default(3);
  p.Prop("FullDragMode", &TNavSplitter::GetFullDragMode, &TNavSplitter::SetFullDragMode).Default(navfdUser);
  p.Prop("Proportional", &TNavSplitter::GetProportional, &TNavSplitter::SetProportional).Default(true);
  p.Prop("Pane1Color", &TNavSplitter::GetPane1Color, &TNavSplitter::SetPane1Color).Stored(false);
  p.Prop("Pane2Color", &TNavSplitter::GetPane2Color, &TNavSplitter::SetPane2Color).Stored(false);
  p.Prop("Pane1FrameStyle", &TNavSplitter::GetPane1FrameStyle, &TNavSplitter::SetPane1FrameStyle).Stored(false);
  p.Prop("Pane2FrameStyle", &TNavSplitter::GetPane2FrameStyle, &TNavSplitter::SetPane2FrameStyle).Stored(false);
  p.Prop("Pane1MinSize", &TNavSplitter::GetPane1MinSize, &TNavSplitter::SetPane1MinSize).Stored(false);
  p.Prop("Pane2MinSize", &TNavSplitter::GetPane2MinSize, &TNavSplitter::SetPane2MinSize).Stored(false);
  p.Prop("OnChange", &TNavSplitter::OnChange);
  p.Prop("OnResize", &TNavSplitter::OnResize);
  p.Prop("OnSplitterDrag", &TNavSplitter::OnSplitterDrag);
  p.Prop("OnSplitterDrop", &TNavSplitter::OnSplitterDrop);
}

void TNavSplitter::Messages(TMessageMap<TNavSplitter>& m) {
  m.On(CM_COLORCHANGED, &TNavSplitter::CMColorChanged);
  m.On(CM_CANCELMODE, &TNavSplitter::CMCancelMode);
  m.On(WM_SIZE, &TNavSplitter::WMSize);
  m.On(WM_SETCURSOR, &TNavSplitter::WMSetCursor);
  m.On(WM_PARENTNOTIFY, &TNavSplitter::WMParentNotify);
  m.On(WM_CAPTURECHANGED, &TNavSplitter::WMCaptureChanged);
}

// Panes -----------------------------------------------------------------------

TColor TNavSplitter::PaneColor(int i) const {
  return FPanes[i] ? FPanes[i]->GetColor() : clBtnFace;
}
void TNavSplitter::SetPaneColor(int i, TColor value) {
  if (FPanes[i]) FPanes[i]->SetColor(value);
}
TNavFrameStyle TNavSplitter::PaneFrameStyle(int i) const {
  return FPanes[i] ? FPanes[i]->GetFrameStyle() : navfsLowered;
}
void TNavSplitter::SetPaneFrameStyle(int i, TNavFrameStyle value) {
  if (FPanes[i]) FPanes[i]->SetFrameStyle(value);
}
int TNavSplitter::PaneMinSize(int i) const {
  return FPanes[i] ? FPanes[i]->GetMinSize() : 20;
}
void TNavSplitter::SetPaneMinSize(int i, int value) {
  if (FPanes[i]) FPanes[i]->SetMinSize(value);
}

void TNavSplitter::MakePanes() {
  for (int i = 0; i < 2; ++i) {
    auto* pane = new TNavPane(this);
    pane->SetIndex(i);
    pane->SetParent(this);
    pane->SetCaption("");
    FPanes[i] = pane;
  }
  NamePanes(GetName());
  HighlightPane(FPanes[0]);
}

void TNavSplitter::NamePanes(const std::string& name) {
  for (TNavPane* pane : FPanes) {
    if (!pane) continue;
    const std::string paneName = name + "_pane" + std::to_string(pane->GetIndex() + 1);
    if (pane->GetName() != paneName) pane->SetName(paneName);
  }
}

void TNavSplitter::HighlightPane(TNavPane* pane) {
  if (!pane || pane->GetActive()) return;
  pane->SetActive(true);
  pane->Invalidate();
  if (pane->HandleAllocated()) SetWindowPos(pane->GetHandle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  for (TNavPane* other : FPanes)
    if (other && other != pane) {
      other->SetActive(false);
      other->Invalidate();
    }
}

void TNavSplitter::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TNavPane* pane : FPanes)
    if (pane) proc(pane);
}

TComponent* TNavSplitter::GetChildOwner() {
  return Loading() ? GetOwner() : this;
}

void TNavSplitter::Loaded() {
  inherited::Loaded();
  for (int i = 0; i < GetControlCount(); ++i)
    if (auto* pane = dynamic_cast<TNavPane*>(GetControls(i))) FPanes[pane->GetIndex() & 1] = pane;
  if (Designing()) HighlightPane(FPanes[0]);
  Layout();
  UpdateRatio();
}

void TNavSplitter::SetName(const std::string& value) {
  inherited::SetName(value);
  if (!Loading() && !GetComponentState().Contains(csReading)) NamePanes(value);
}

// Layout and position ---------------------------------------------------------

void TNavSplitter::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TNavSplitter::CreateWnd() {
  inherited::CreateWnd();
  // A splitter without panes (a new one, at design time or made in code)
  // gets its two when its window is made; a loaded one brings its own.
  if (!FPanes[0] && !FPanes[1] && !Loading()) MakePanes();
  Layout();
}

void TNavSplitter::Layout() {
  if (!FPanes[0] || !FPanes[1] || !HandleAllocated() || Loading()) return;
  const TRect client = GetClientRect();
  // A splitter smaller than its panes' minimum sizes gives a pane no room
  // rather than a negative size.
  const int first = std::max(0, FPosition);
  const int second = FPosition + FSplitterWidth;
  if (FStyle == navstVertical) {
    FPanes[0]->SetBounds(0, 0, first, client.Height());
    FPanes[1]->SetBounds(second, 0, std::max(0, client.Width() - second), client.Height());
  } else {
    FPanes[0]->SetBounds(0, 0, client.Width(), first);
    FPanes[1]->SetBounds(0, second, client.Width(), std::max(0, client.Height() - second));
  }
}

void TNavSplitter::SetStyle(TNavSplitterStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Layout();
}

void TNavSplitter::SetSplitterWidth(int value) {
  if (FSplitterWidth == value) return;
  FSplitterWidth = value;
  Layout();
}

void TNavSplitter::SetPositionEx(int value, bool updateRatio) {
  if (FPanes[0] && FPanes[1]) {
    if (value < FPanes[0]->GetMinSize()) value = FPanes[0]->GetMinSize();
    if (value > Extent() - FPanes[1]->GetMinSize()) value = Extent() - FPanes[1]->GetMinSize();
  }
  if (value < 0) value = 0;
  if (value == FPosition) return;
  FPosition = value;
  Layout();
  if (updateRatio) UpdateRatio();
  Change();
}

void TNavSplitter::UpdateRatio() {
  const int extent = Extent();
  FRatio = extent == 0 ? 0.5 : static_cast<double>(FPosition) / extent;
}

void TNavSplitter::Change() {
  if (OnChange) OnChange(this);
}

void TNavSplitter::ResizeSplitter() {
  // The default rounding of the floating-point environment: ties to even.
  if (FProportional) SetPositionEx(static_cast<int>(std::lrint(Extent() * FRatio)), false);
  if (OnResize) OnResize(this);
  Layout();
}

void TNavSplitter::WMSize(TMessage& m) {
  InheritedMessage(m);
  if (!Loading()) ResizeSplitter();
}

// Dragging --------------------------------------------------------------------

bool TNavSplitter::FullDrag() const {
  switch (FFullDragMode) {
    case navfdOff: return false;
    case navfdOn: return true;
    default: {
      BOOL full = FALSE;
      SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
      return full != FALSE;
    }
  }
}

int TNavSplitter::ClampDragPoint(int p) const {
  if (!FPanes[0] || !FPanes[1]) return p;
  if (p - FDragOffset < FPanes[0]->GetMinSize()) p = FPanes[0]->GetMinSize() + FDragOffset;
  if (p - FDragOffset > Extent() - FPanes[1]->GetMinSize()) p = Extent() - FPanes[1]->GetMinSize() + FDragOffset;
  return p;
}

void TNavSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  inherited::MouseDown(button, shift, x, y);
  if (FDragging) {
    CancelDrag();
    return;
  }
  const bool starts = button == mbLeft || (Designing() && button == mbRight && !shift.Contains(ssShift));
  if (!starts || !FPanes[0] || !FPanes[1]) return;
  FDragging = true;
  FDragButton = button;
  SetMouseCapture(true);
  if (!GetMouseCapture() && HandleAllocated()) SetCapture(GetHandle());
  const int p = FStyle == navstVertical ? x : y;
  const int edge = FStyle == navstVertical ? FPanes[0]->GetLeft() + FPanes[0]->GetWidth()
                                           : FPanes[0]->GetTop() + FPanes[0]->GetHeight();
  FDragOffset = p - edge;
  MoveBar(ClampDragPoint(p));
}

void TNavSplitter::MouseMove(TShiftState shift, int x, int y) {
  inherited::MouseMove(shift, x, y);
  if (!FDragging) return;
  const int p = ClampDragPoint(FStyle == navstVertical ? x : y);
  if (p != FShown) MoveBar(p);
}

void TNavSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  inherited::MouseUp(button, shift, x, y);
  if (!FDragging || button != FDragButton) return;
  const int p = ClampDragPoint(FStyle == navstVertical ? x : y);
  if (p != FShown) MoveBar(p);
  const int before = FPosition;
  FPosition = std::max(0, FShown - FDragOffset);
  CancelDrag();
  Layout();
  SplitterDrop(FPosition);
  if (FPosition != before) Change();
}

void TNavSplitter::MoveBar(int p) {
  if (!FullDrag()) {
    if (FShown >= 0) DrawDragBar();
    FShown = p;
    if (p >= 0) DrawDragBar();
  } else if (p >= 0) {
    FShown = p;
    SetPositionEx(p - FDragOffset, true);
  }
  SplitterDrag(FShown);
}

void TNavSplitter::CancelDrag() {
  if (!FDragging) return;
  MoveBar(-1);
  FDragging = false;
  FShown = -1;
  if (GetMouseCapture())
    SetMouseCapture(false);
  else if (HandleAllocated() && GetCapture() == GetHandle())
    ReleaseCapture();
}

void TNavSplitter::SplitterDrag(int aPosition) {
  if (OnSplitterDrag) OnSplitterDrag(this, aPosition);
}

void TNavSplitter::SplitterDrop(int aPosition) {
  UpdateRatio();
  if (OnSplitterDrop) OnSplitterDrop(this, aPosition);
}

void TNavSplitter::DrawDragBar() {
  if (!HandleAllocated() || FShown < 0) return;
  HWND wnd = GetHandle();
  HDC dc = GetDCEx(wnd, nullptr, DCX_CACHE | DCX_PARENTCLIP);
  if (!dc) return;
  HBRUSH brush = CreatePatternBrush(SplitterDragPattern());
  const COLORREF oldText = SetTextColor(dc, RGB(255, 255, 255));
  const COLORREF oldBack = SetBkColor(dc, RGB(0, 0, 0));
  const int oldMode = SetBkMode(dc, OPAQUE);
  const int oldRop = SetROP2(dc, R2_COPYPEN);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  RECT client{};
  ::GetClientRect(wnd, &client);
  const int at = FShown - FDragOffset;
  if (FStyle == navstVertical)
    PatBlt(dc, at, 0, FSplitterWidth, client.bottom, PATINVERT);
  else
    PatBlt(dc, 0, at, client.right, FSplitterWidth, PATINVERT);
  SelectObject(dc, oldBrush);
  SetROP2(dc, oldRop);
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  DeleteObject(brush);
  ReleaseDC(wnd, dc);
}

void TNavSplitter::WndProc(TMessage& message) {
  // The control lets go of the capture before it tells of the button coming
  // up; that release ends the drag as a drop, not as a loss.
  const bool ending = FDragging && ((message.Msg == WM_LBUTTONUP && FDragButton == mbLeft) ||
                                    (message.Msg == WM_RBUTTONUP && FDragButton == mbRight) ||
                                    (message.Msg == WM_MBUTTONUP && FDragButton == mbMiddle));
  if (!ending) {
    inherited::WndProc(message);
    return;
  }
  FEndingDrag = true;
  inherited::WndProc(message);
  FEndingDrag = false;
}

void TNavSplitter::WMCaptureChanged(TMessage& m) {
  InheritedMessage(m);
  if (!FDragging || FEndingDrag) return;
  if (HandleAllocated() && reinterpret_cast<HWND>(m.LParam) == GetHandle()) return;
  CancelDrag();
}

void TNavSplitter::CMCancelMode(TMessage& m) {
  InheritedMessage(m);
  CancelDrag();
}

void TNavSplitter::CMColorChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
}

void TNavSplitter::WMSetCursor(TMessage& m) {
  const HWND over = reinterpret_cast<HWND>(m.WParam);
  if (!HandleAllocated() || over != GetHandle() || LOWORD(m.LParam) != HTCLIENT) {
    InheritedMessage(m);
    return;
  }
  ::SetCursor(Screen->GetCursors(FStyle == navstVertical ? crHSplit : crVSplit));
  m.Result = 1;
}

void TNavSplitter::WMParentNotify(TMessage& m) {
  InheritedMessage(m);
  if (!Designing() || LOWORD(m.WParam) != WM_LBUTTONDOWN) return;
  POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  for (TNavPane* pane : FPanes) {
    if (!pane) continue;
    const RECT bounds = pane->GetBoundsRect();
    if (PtInRect(&bounds, p)) HighlightPane(pane);
  }
}
