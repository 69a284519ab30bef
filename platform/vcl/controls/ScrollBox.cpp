#include "platform/vcl/controls/ScrollBox.h"

#include "platform/win/windows.h"

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FWidth = 185;
  FHeight = 41;
}

void TScrollBox::Publish(TPublisher<TScrollBox>& p) {
  p.Prop("BorderStyle", &TScrollBox::GetBorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle);
}

void TScrollBox::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  RecreateWnd();
}
