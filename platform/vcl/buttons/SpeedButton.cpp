#include "platform/vcl/buttons/SpeedButton.h"

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/windows.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // No csClickEvents: the button decides itself when a release is a click.
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  FWidth = 23;
  FHeight = 22;
}

void TSpeedButton::Publish(TPublisher<TSpeedButton>& p) {
  p.Prop("AllowAllUp", &TSpeedButton::GetAllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
  // Before Down: a form sets the group first, then which button is down.
  p.Prop("GroupIndex", &TSpeedButton::GetGroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  p.Prop("Down", &TSpeedButton::GetDown, &TSpeedButton::SetDown).Default(false);
  p.Prop("Flat", &TSpeedButton::GetFlat, &TSpeedButton::SetFlat).Default(false);
}

void TSpeedButton::Messages(TMessageMap<TSpeedButton>& m) {
  m.On(CM_BUTTONPRESSED, &TSpeedButton::CMButtonPressed);
  m.On(CM_ENABLEDCHANGED, &TSpeedButton::CMEnabledChanged);
  m.On(CM_TEXTCHANGED, &TSpeedButton::CMTextChanged);
  m.On(CM_FONTCHANGED, &TSpeedButton::CMFontChanged);
  m.On(CM_MOUSEENTER, &TSpeedButton::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TSpeedButton::CMMouseLeave);
  m.On(WM_LBUTTONDBLCLK, &TSpeedButton::WMLButtonDblClk);
  m.On(WM_CANCELMODE, &TSpeedButton::WMCancelMode);
}

// Properties -------------------------------------------------------------

void TSpeedButton::SetGroupIndex(int value) {
  if (FGroupIndex == value) return;
  FGroupIndex = value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  // A form may name Down before GroupIndex: Loaded settles it.
  if (GetComponentState().Contains(csLoading)) {
    FDown = value;
    return;
  }
  if (FGroupIndex == 0) value = false;
  if (value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = value;
  Invalidate();
  if (value) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (FAllowAllUp == value) return;
  FAllowAllUp = value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value) {
  if (FFlat == value) return;
  FFlat = value;
  Invalidate();
}

void TSpeedButton::Loaded() {
  inherited::Loaded();
  if (FGroupIndex == 0) FDown = false;
  if (FDown) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || FParent == nullptr || GetComponentState().Contains(csLoading)) return;
  TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(static_cast<TControl*>(this)),
             0};
  FParent->Broadcast(m);
}

void TSpeedButton::CMButtonPressed(TMessage& m) {
  // Other button classes share the message: only speed buttons are peers.
  auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(m.LParam));
  if (sender == nullptr || sender == this || static_cast<int>(m.WParam) != FGroupIndex) return;
  if (sender->FDown && FDown) {
    FDown = false;
    Invalidate();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

// Mouse ------------------------------------------------------------------

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWeakRef<TSpeedButton> self(this);
  inherited::MouseDown(button, shift, x, y);
  if (!self || button != mbLeft || !GetEnabled()) return;
  FDragging = true;
  FPressed = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TWeakRef<TSpeedButton> self(this);
  inherited::MouseMove(shift, x, y);
  if (!self || !FDragging) return;
  bool pressed = Inside(x, y);
  if (pressed == FPressed) return;
  FPressed = pressed;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TWeakRef<TSpeedButton> self(this);
  inherited::MouseUp(button, shift, x, y);
  if (!self || button != mbLeft || !FDragging) return;
  FDragging = false;
  FPressed = false;
  Invalidate();
  if (!Inside(x, y)) return;
  if (FGroupIndex != 0) SetDown(!FDown);
  Click();
}

void TSpeedButton::Click() {
  inherited::Click();
}

void TSpeedButton::CancelPress() {
  if (!FDragging) return;
  FDragging = false;
  FPressed = false;
  if (GetMouseCapture()) SetMouseCapture(false);
  Invalidate();
}

void TSpeedButton::WMLButtonDblClk(TMessage& m) {
  // The second press of a double click is a press like the first.
  TWeakRef<TSpeedButton> self(this);
  InheritedMessage(m);
  if (self && FDown) DblClick();
}

void TSpeedButton::WMCancelMode(TMessage& m) {
  InheritedMessage(m);
  CancelPress();
}

void TSpeedButton::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  if (!GetEnabled()) CancelPress();
  Invalidate();
}

void TSpeedButton::CMTextChanged(TMessage&) {
  Invalidate();
}

void TSpeedButton::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
}

void TSpeedButton::CMMouseEnter(TMessage& m) {
  InheritedMessage(m);
  FMouseInControl = true;
  if (FFlat && GetEnabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& m) {
  InheritedMessage(m);
  FMouseInControl = false;
  if (FFlat) Invalidate();
}

// Painting ---------------------------------------------------------------

void TSpeedButton::Paint() {
  TCanvas* canvas = GetCanvas();
  HDC dc = canvas->GetHandle();
  RECT r{0, 0, FWidth, FHeight};
  const bool pushed = GetPushed();
  if (!FFlat) {
    DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
  } else if (pushed) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  } else if (FMouseInControl && GetEnabled()) {
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  }
  // A button that stays down without the mouse shows a dithered face of
  // face and highlight colour.
  if (FDown && !FPressed) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = r.top; y < r.bottom; y++)
      for (int x = r.left + ((r.left + y) & 1); x < r.right; x += 2) SetPixelV(dc, x, y, light);
  }
  TRect area(r.left, r.top, r.right, r.bottom);
  if (pushed) area = TRect(area.Left + 1, area.Top + 1, area.Right + 1, area.Bottom + 1);
  DrawCaption(area);
}

void TSpeedButton::DrawCaption(const TRect& area) {
  std::string text = GetCaption();
  if (text.empty()) return;
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  RECT r{area.Left, area.Top, area.Right, area.Bottom};
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (!GetEnabled()) {
    // Disabled text: embossed, a highlight copy under a shadow copy.
    OffsetRect(&r, 1, 1);
    canvas->GetFont()->SetColor(clBtnHighlight);
    DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, flags);
    OffsetRect(&r, -1, -1);
    canvas->GetFont()->SetColor(clBtnShadow);
  }
  DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, flags);
}
