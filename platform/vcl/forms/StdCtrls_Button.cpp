#include "platform/vcl/forms/StdCtrls_Button.h"

#include "platform/vcl/forms/Form.h"
#include "platform/win/winuser_draw.h"

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
  FWidth = 75;
  FHeight = 25;
  FTabStop = true;
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FParentColor = false;
  // A quick second press is a second click, not a double click.
  FControlStyle.Exclude(csDoubleClicks);
}

void TButton::Publish(TPublisher<TButton>& p) {
  p.Prop("Cancel", &TButton::GetCancel, &TButton::SetCancel).Default(false);
  p.Prop("Default", &TButton::GetDefault, &TButton::SetDefault).Default(false);
  p.Prop("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult).Default(0);
  p.Default("TabStop", true);
}

void TButton::Messages(TMessageMap<TButton>& m) {
  m.On(CM_DIALOGKEY, &TButton::CMDialogKey);
  m.On(CM_TEXTCHANGED, &TButton::CMTextChanged);
}

void TButton::Click() {
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  inherited::Click();
}

void TButton::CMDialogKey(TMessage& m) {
  bool pressed = (m.CharCode() == VK_RETURN && FDefault) || (m.CharCode() == VK_ESCAPE && FCancel);
  // Only the first press of a held key, and only while the button can act.
  if (pressed && (m.LParam & 0x40000000) == 0 && CanFocus()) {
    Click();
    m.Result = 1;
    return;
  }
  InheritedMessage(m);
}

void TButton::CMTextChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    FDown = true;
    Invalidate();
  }
  inherited::MouseDown(button, shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && FDown) {
    FDown = false;
    Invalidate();
  }
  inherited::MouseUp(button, shift, x, y);
}

void TButton::Paint() {
  TCanvas* canvas = GetCanvas();
  RECT r{0, 0, GetWidth(), GetHeight()};
  HDC dc = canvas->GetHandle();
  if (FDefault) {
    // The default button wears a dark outline around its face.
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FillRect(TRect(0, 0, GetWidth(), GetHeight()));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (FDown ? DFCS_PUSHED : 0));
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  std::string text = GetCaption();
  RECT t = r;
  if (FDown) OffsetRect(&t, 1, 1);
  DrawTextA(canvas->GetHandle(), text.c_str(), -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
