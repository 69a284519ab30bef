#include "controls/styled/stystdcA/SpinButton.h"

#include <algorithm>
#include <cmath>

#include "controls/styled/stycompo.h"
#include "controls/styled/styprocs/Frames.h"

TStySpinButton::TStySpinButton(TComponent* AOwner) : TGraphicControl(AOwner), FFaces(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 20, 20);
  FTimerIdent = StyAddTimer(FirstDelay(), [this](TObject*) { TimerExpired(); });
  SetRepeatTimer(false, FirstDelay());
}

TStySpinButton::~TStySpinButton() {
  if (StyApplication) StyApplication->RemoveTimer(FTimerIdent);
}

void TStySpinButton::Publish(TPublisher<TStySpinButton>& p) {
  p.Prop("OnTopClick", &TStySpinButton::OnTopClick);
  p.Prop("OnBottomClick", &TStySpinButton::OnBottomClick);
}

void TStySpinButton::Messages(TMessageMap<TStySpinButton>& m) {
  m.On(CM_ENABLEDCHANGED, &TStySpinButton::CMEnabledChanged);
}

bool TStySpinButton::InBottomPart(int X, int Y, int Width, int Height) {
  if (Height <= 0) return false;
  return Y > Height - static_cast<double>(X) * Width / Height;
}

void TStySpinButton::SetRepeatTimer(bool Enabled, WORD Interval) {
  if (!StyApplication) return;
  if (TStyTimerItem* item = StyApplication->TimerItemById(FTimerIdent)) {
    item->SetInterval(StyPoolInterval(Interval));
    item->SetEnabled(Enabled);
  }
}

WORD TStySpinButton::FirstDelay() const {
  return static_cast<WORD>(std::min(FInterval + 200, 65535));
}

void TStySpinButton::ChangeState(TStySpinState value) {
  if (FState == value) return;
  FState = value;
  Invalidate();
}

void TStySpinButton::FireFor(TStySpinState part) {
  const TNotifyEvent& event = part == ssBottomDown ? OnBottomClick : OnTopClick;
  if (event) event(this);
}

void TStySpinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !GetEnabled()) return;
  FTracking = true;
  if (FState != ssNormal) return;
  FPressedPart = PartAt(X, Y);
  FState = FPressedPart;
  FireFor(FPressedPart);
  Invalidate();
  SetRepeatTimer(true, FirstDelay());
}

void TStySpinButton::TimerExpired() {
  if (!GetMouseCapture()) {
    // The press lost the mouse (a dialog took it): it ends here, so nothing
    // ticks on for it and the next press starts afresh.
    EndPress();
    return;
  }
  SetRepeatTimer(true, FInterval);
  if (FState == ssNormal || FState == ssDisabled) return;
  try {
    FireFor(FState);
  } catch (...) {
    SetRepeatTimer(false, FInterval);
    throw;
  }
}

void TStySpinButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FTracking || FState == ssDisabled) return;
  if (Inside(X, Y))
    ChangeState(PartAt(X, Y) == FPressedPart ? FPressedPart : ssNormal);
  else
    ChangeState(ssNormal);
}

void TStySpinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (FTracking) EndPress();
}

void TStySpinButton::EndPress() {
  FTracking = false;
  // Released outside, the state is already normal; the timer stops either
  // way, so nothing keeps ticking for a button nobody holds.
  SetRepeatTimer(false, FInterval);
  if (FState == ssDisabled) return;
  FPressedPart = ssNormal;
  ChangeState(ssNormal);
}

void TStySpinButton::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  if (!GetEnabled()) SetRepeatTimer(false, FInterval);
  FState = GetEnabled() ? ssNormal : ssDisabled;
  Repaint();
}

void TStySpinButton::Paint() {
  if (!GetEnabled() && !GetComponentState().Contains(csDesigning)) FTracking = false;
  if (FWidth <= 0 || FHeight <= 0) return;
  if (FFaces->GetHeight() != FHeight || FFaces->GetWidth() / 4 != FWidth) BuildFaces();
  const int left = static_cast<int>(FState) * FWidth;
  GetCanvas()->CopyRect(TRect(0, 0, FWidth, FHeight), FFaces->GetCanvas(), TRect(left, 0, left + FWidth, FHeight));
}

void TStySpinButton::BuildFaces() {
  FFaces->SetPixelFormat(pf32bit);
  FFaces->SetSize(4 * FWidth, FHeight);
  TBitmap face;
  face.SetPixelFormat(pf32bit);
  face.SetSize(FWidth, FHeight);
  for (int i = 0; i < 4; ++i) {
    DrawFace(face.GetCanvas(), static_cast<TStySpinState>(i));
    FFaces->GetCanvas()->CopyRect(TRect(i * FWidth, 0, (i + 1) * FWidth, FHeight), face.GetCanvas(),
                                  TRect(0, 0, FWidth, FHeight));
  }
}

namespace {
// Halves go to the even neighbour, as the arrow positions were measured.
int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}
}  // namespace

void TStySpinButton::DrawFace(TCanvas* c, TStySpinState face) {
  const int W = FWidth, H = FHeight;
  TPen* pen = c->GetPen();
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(clBtnFace);
  c->FillRect(TRect(0, 0, W, H));
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetColor(clWindowFrame);
  c->GetBrush()->SetStyle(bsClear);
  c->Rectangle(0, 0, W, H);
  c->MoveTo(-1, H);
  c->LineTo(W, -1);

  const bool top = face == ssTopDown, bottom = face == ssBottomDown;
  pen->SetColor(top ? clBtnShadow : clBtnHighlight);
  c->MoveTo(1, H - 4);
  c->LineTo(1, 1);
  c->LineTo(W - 3, 1);
  if (!top) {
    pen->SetColor(clBtnShadow);
    c->MoveTo(1, H - 3);
    c->LineTo(W - 2, 0);
  }
  pen->SetColor(bottom ? clBtnHighlight : clBtnShadow);
  c->MoveTo(2, H - 2);
  c->LineTo(W - 2, H - 2);
  c->LineTo(W - 2, 1);
  pen->SetColor(bottom ? clBtnShadow : clBtnHighlight);
  c->MoveTo(2, H - 2);
  c->LineTo(W - 1, 1);
  if (bottom) {
    pen->SetColor(clBtnShadow);
    c->MoveTo(3, H - 2);
    c->LineTo(W - 1, 2);
  }

  const bool enabled = face != ssDisabled;
  int x = RoundEven(W / 4.0 - 2) + 1, y = RoundEven(H / 4.0 - 2) + 1;
  if (top) ++x, ++y;
  DrawArrow(c, x, y, 3, clBtnText, false, enabled);
  x = RoundEven(3.0 * W / 4 - 2);
  y = RoundEven(3.0 * H / 4 - 2);
  if (!bottom) --x, --y;
  DrawArrow(c, x, y, 3, clBtnText, true, enabled);
}
