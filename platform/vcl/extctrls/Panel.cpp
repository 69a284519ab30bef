#include "platform/vcl/extctrls/Panel.h"

#include "platform/vcl/extctrls/Frame3D.h"
#include "platform/win/windows.h"

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csOpaque,          csDoubleClicks, csReplicatable};
  FWidth = 185;
  FHeight = 41;
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FParentColor = false;
}

void TCustomPanel::Publish(TPublisher<TCustomPanel>& p) {
  p.Prop("Alignment", &TCustomPanel::GetAlignment, &TCustomPanel::SetAlignment).Default(taCenter);
  p.Prop("BevelInner", &TCustomPanel::GetBevelInner, &TCustomPanel::SetBevelInner).Default(TBevelCut::bvNone);
  p.Prop("BevelOuter", &TCustomPanel::GetBevelOuter, &TCustomPanel::SetBevelOuter).Default(TBevelCut::bvRaised);
  p.Prop("BevelWidth", &TCustomPanel::GetBevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
  p.Prop("BorderStyle", &TCustomPanel::GetBorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone);
  p.Prop("BorderWidth", &TCustomPanel::GetBorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
}

void TCustomPanel::Messages(TMessageMap<TCustomPanel>& m) {
  m.On(CM_TEXTCHANGED, &TCustomPanel::CMTextChanged);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  if (FBorderStyle == bsSingle) params.Style |= WS_BORDER;
}

void TCustomPanel::CMTextChanged(TMessage&) {
  Invalidate();
}

void TCustomPanel::Changed() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (FBevelInner == value) return;
  FBevelInner = value;
  Changed();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (FBevelOuter == value) return;
  FBevelOuter = value;
  Changed();
}

void TCustomPanel::SetBevelWidth(int value) {
  if (value < 1 || FBevelWidth == value) return;
  FBevelWidth = value;
  Changed();
}

void TCustomPanel::SetBorderWidth(int value) {
  if (value < 0 || FBorderWidth == value) return;
  FBorderWidth = value;
  Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  RecreateWnd();
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
  inherited::AdjustClientRect(rect);
  int inset = FBorderWidth;
  if (FBevelOuter != TBevelCut::bvNone) inset += FBevelWidth;
  if (FBevelInner != TBevelCut::bvNone) inset += FBevelWidth;
  rect.Left += inset;
  rect.Top += inset;
  rect.Right -= inset;
  rect.Bottom -= inset;
}

void TCustomPanel::Paint() {
  using vcl::extctrls::Frame3D;
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    // A space keeps its room in the panel's colour.
    if (cut == TBevelCut::bvSpace) {
      Frame3D(*canvas, rect, GetColor(), GetColor(), FBevelWidth);
      return;
    }
    bool lowered = cut == TBevelCut::bvLowered;
    Frame3D(*canvas, rect, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow, FBevelWidth);
  };
  bevel(FBevelOuter);
  Frame3D(*canvas, rect, GetColor(), GetColor(), FBorderWidth);
  bevel(FBevelInner);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
  std::string caption = GetCaption();
  if (caption.empty()) return;
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawTextA(canvas->GetHandle(), caption.c_str(), -1, &r,
            DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | kAlign[FAlignment]);
}
