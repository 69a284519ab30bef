#include "controls/shell/UNavFrame/NavFrame.h"

#include "platform/win/windows.h"

TNavCustomFrame::TNavCustomFrame(TComponent* AOwner) : TNavFrameLook<TGraphicControl>(AOwner) {
  TControlStyle style = GetControlStyle();
  style.Include(csClickEvents);
  style.Include(csOpaque);
  style.Include(csDoubleClicks);
  SetControlStyle(style);
  SetBounds(GetLeft(), GetTop(), 64, 48);
  FFrameStyle = navfsLowered;
}

void TNavCustomFrame::Publish(TPublisher<TNavCustomFrame>& p) {
  PublishLook(p, navfsLowered);
}

void TNavCustomFrame::Messages(TMessageMap<TNavCustomFrame>& m) {
  m.On(CM_TEXTCHANGED, &TNavCustomFrame::CMAppearanceChanged);
  m.On(CM_COLORCHANGED, &TNavCustomFrame::CMAppearanceChanged);
  m.On(CM_FONTCHANGED, &TNavCustomFrame::CMAppearanceChanged);
}

void TNavCustomFrame::SetFrameStyle(TNavFrameStyle value) {
  FFrameStyle = value;
  Invalidate();
}

void TNavCustomFrame::Paint() {
  TCanvas* canvas = GetCanvas();
  const bool designing = GetComponentState().Contains(csDesigning);
  if (GetColor() != clNone) {
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
    if (GetDefaultDrawing() || designing) canvas->FillRect(GetClientRect());
  }
  canvas->GetBrush()->SetStyle(bsClear);
  TRect r = GetClientRect();
  r.Right -= 1;
  r.Bottom -= 1;
  canvas->SetFont(GetFont());
  if (FFrameStyle == navfsGroup) {
    DrawFrameGroup(canvas, r, GetText(), GetEnabled(), GetColor());
    return;
  }
  DrawFrameStyle(canvas, r, FFrameStyle, GetText(), GetEnabled(), GetColor());
  if (GetDefaultDrawing()) {
    canvas->GetBrush()->SetStyle(bsClear);
    DrawInsideCaption(canvas, r);
  }
  if (OnPaint) OnPaint(this, canvas);
}

void TNavCustomFrame::CMAppearanceChanged(TMessage& m) {
  InheritedMessage(m);
  TWinControl* parent = GetParent();
  if (!parent || !parent->HandleAllocated()) return;
  TRect inside = GetBoundsRect();
  AdjustFrameRect(FFrameStyle, inside);
  RECT r = inside;
  InvalidateRect(parent->GetHandle(), &r, FALSE);
}
