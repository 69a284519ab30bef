#include "controls/shell/UNavFrame/NavFrame.h"

#include "platform/win/windows.h"

TNavCustomFrame::TNavCustomFrame(TComponent* AOwner) : TGraphicControl(AOwner) {
  TControlStyle style = GetControlStyle();
  style.Include(csClickEvents);
  style.Include(csOpaque);
  style.Include(csDoubleClicks);
  SetControlStyle(style);
  SetBounds(GetLeft(), GetTop(), 64, 48);
}

void TNavCustomFrame::Publish(TPublisher<TNavCustomFrame>& p) {
  p.Prop("Alignment", &TNavCustomFrame::GetAlignment, &TNavCustomFrame::SetAlignment).Default(taCenter);
  p.Prop("DefaultDrawing", &TNavCustomFrame::GetDefaultDrawing, &TNavCustomFrame::SetDefaultDrawing).Default(true);
  p.Prop("FrameSpace", &TNavCustomFrame::GetFrameSpace, &TNavCustomFrame::SetFrameSpace).Default(2);
  p.Prop("FrameStyle", &TNavCustomFrame::GetFrameStyle, &TNavCustomFrame::SetFrameStyle).Default(navfsLowered);
  p.Prop("OnPaint", &TNavCustomFrame::OnPaint);
}

void TNavCustomFrame::Messages(TMessageMap<TNavCustomFrame>& m) {
  m.On(CM_TEXTCHANGED, &TNavCustomFrame::CMAppearanceChanged);
  m.On(CM_COLORCHANGED, &TNavCustomFrame::CMAppearanceChanged);
  m.On(CM_FONTCHANGED, &TNavCustomFrame::CMAppearanceChanged);
}

void TNavCustomFrame::SetAlignment(TAlignment value) {
  FAlignment = value;
  Invalidate();
}

void TNavCustomFrame::SetDefaultDrawing(bool value) {
  FDefaultDrawing = value;
  Invalidate();
}

void TNavCustomFrame::SetFrameSpace(int value) {
  FFrameSpace = value;
  Invalidate();
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
    if (FDefaultDrawing || designing) canvas->FillRect(GetClientRect());
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
  if (FDefaultDrawing) {
    r.Left += FFrameSpace;
    r.Right -= FFrameSpace;
    static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    canvas->GetBrush()->SetStyle(bsClear);
    DrawFrameCaption(canvas, r, kAlign[FAlignment] | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, GetText());
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
