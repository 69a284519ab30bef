#include "platform/vcl/stdctrls/Button.h"

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/forms/Form.h"
#include "platform/vcl/stdctrls/ControlColors.h"
#include "platform/win/windows.h"

// TButtonControl -------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  // The window class captures the mouse and reports clicks itself.
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  FTabStop = true;
}

void TButtonControl::Messages(TMessageMap<TButtonControl>& m) {
  m.On(WM_PAINT, &TButtonControl::WMPaint);
  m.On(CN_CTLCOLORBTN, &TButtonControl::CNCtlColor);
  m.On(CN_CTLCOLORSTATIC, &TButtonControl::CNCtlColor);
}

void TButtonControl::WMPaint(TMessage& m) {
  DefaultHandler(m);
}

void TButtonControl::CNCtlColor(TMessage& m) {
  vcl::stdctrls::AnswerCtlColor(*this, m);
}

// TButton --------------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  FWidth = 75;
  FHeight = 25;
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
  m.On(CN_COMMAND, &TButton::CNCommand);
  m.On(CM_DIALOGKEY, &TButton::CMDialogKey);
  m.On(CM_DIALOGCHAR, &TButton::CMDialogChar);
  m.On(CM_FOCUSCHANGED, &TButton::CMFocusChanged);
}

void TButton::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
  if (FDefault == value) return;
  FDefault = value;
  if (!HandleAllocated()) return;
  // Whether the button is now the active one depends on where the focus is.
  TCustomForm* form = GetParentForm(this);
  TWinControl* focused = form ? form->GetActiveControl() : nullptr;
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused));
}

void TButton::SetButtonStyle(bool ADefault) {
  if (!HandleAllocated()) return;
  LONG style = ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((GetWindowLongA(FHandle, GWL_STYLE) & BS_TYPEMASK) != style) SendMessageA(FHandle, BM_SETSTYLE, style, 1);
}

void TButton::CMFocusChanged(TMessage& m) {
  auto* sender = reinterpret_cast<TWinControl*>(m.LParam);
  FActive = dynamic_cast<TButton*>(sender) ? sender == this : FDefault;
  SetButtonStyle(FActive);
  InheritedMessage(m);
}

void TButton::Click() {
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  inherited::Click();
}

void TButton::CNCommand(TMessage& m) {
  if (HIWORD(m.WParam) == BN_CLICKED) Click();
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

void TButton::CMDialogChar(TMessage& m) {
  if (IsAccel(m.CharCode(), GetCaption()) && CanFocus()) {
    Click();
    m.Result = 1;
    return;
  }
  InheritedMessage(m);
}

// TCustomCheckBox ------------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  FWidth = 97;
  FHeight = 17;
}

void TCustomCheckBox::Publish(TPublisher<TCustomCheckBox>& p) {
  p.Prop("Alignment", &TCustomCheckBox::GetAlignment, &TCustomCheckBox::SetAlignment).Default(taRightJustify);
  p.Prop("AllowGrayed", &TCustomCheckBox::GetAllowGrayed, &TCustomCheckBox::SetAllowGrayed).Default(false);
  p.Prop("Checked", &TCustomCheckBox::GetChecked, &TCustomCheckBox::SetChecked).Stored(false);
  p.Prop("State", &TCustomCheckBox::GetState, &TCustomCheckBox::SetState).Default(cbUnchecked);
  p.Default("TabStop", true);
}

void TCustomCheckBox::Messages(TMessageMap<TCustomCheckBox>& m) {
  m.On(CN_COMMAND, &TCustomCheckBox::CNCommand);
  m.On(CM_DIALOGCHAR, &TCustomCheckBox::CMDialogChar);
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  // The library keeps the state: the window only shows it.
  params.Style |= BS_3STATE;
  if (FAlignment == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  inherited::CreateWnd();
  SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCustomCheckBox::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  RecreateWnd();
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
  if (FState == value) return;
  FState = value;
  if (HandleAllocated()) SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
  // Form data sets the state it was saved with; that is no click.
  if (!GetClicksDisabled() && !GetComponentState().Contains(csLoading)) Click();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::CNCommand(TMessage& m) {
  if (HIWORD(m.WParam) == BN_CLICKED) Toggle();
}

void TCustomCheckBox::CMDialogChar(TMessage& m) {
  if (IsAccel(m.CharCode(), GetCaption()) && CanFocus()) {
    // OnEnter may free the box.
    TWeakRef<TCustomCheckBox> self(this);
    SetFocus();
    if (self && Focused()) Toggle();
    m.Result = 1;
    return;
  }
  InheritedMessage(m);
}
