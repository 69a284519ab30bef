// Buttons on the window manager's "BUTTON" class: the push button TButton
// (Enter presses the form's Default button, Escape its Cancel button, a
// ModalResult closes a modal form) and the check box TCheckBox.
#pragma once

#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/forms/FormTypes.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

class TButtonControl : public TWinControl {
  DRUMS_CLASS(TButtonControl, TWinControl)
  DRUMS_MESSAGE_MAP(TButtonControl)

 public:
  explicit TButtonControl(TComponent* AOwner);

  static void Messages(TMessageMap<TButtonControl>& m);

 protected:
  // While set, state changes made by code run no click.
  bool GetClicksDisabled() const { return FClicksDisabled; }
  void SetClicksDisabled(bool value) { FClicksDisabled = value; }

 private:
  void WMPaint(TMessage& m);
  void CNCtlColor(TMessage& m);
  bool FClicksDisabled = false;
};

class TButton : public TButtonControl {
  DRUMS_CLASS(TButton, TButtonControl)
  DRUMS_MESSAGE_MAP(TButton)

 public:
  explicit TButton(TComponent* AOwner);

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool value);
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  // Presses the button: sets the form's ModalResult, then OnClick.
  void Click() override;
  // True while the button is the one Enter presses: it has the focus, or it
  // is the Default button while the focus is on a control that is no button.
  bool GetActive() const { return FActive; }

  static void Publish(TPublisher<TButton>& p);
  static void Messages(TMessageMap<TButton>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  // Shows whether the button is the active one; the window's default frame
  // here, an owner-drawn button repaints its own.
  virtual void SetButtonStyle(bool ADefault);

 private:
  void CNCommand(TMessage& m);
  void CMDialogKey(TMessage& m);
  void CMDialogChar(TMessage& m);
  void CMFocusChanged(TMessage& m);

  bool FActive = false;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

class TCustomCheckBox : public TButtonControl {
  DRUMS_CLASS(TCustomCheckBox, TButtonControl)
  DRUMS_MESSAGE_MAP(TCustomCheckBox)

 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  // Setting a new state runs the click (OnClick); setting the state the box
  // already has does nothing.
  TCheckBoxState GetState() const { return FState; }
  void SetState(TCheckBoxState value);
  bool GetChecked() const { return FState == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }
  // Text on the left (taLeftJustify) or, by default, on the right of the box.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

  static void Publish(TPublisher<TCustomCheckBox>& p);
  static void Messages(TMessageMap<TCustomCheckBox>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The user's click: unchecked, checked, grayed (when allowed) in turn.
  virtual void Toggle();

 private:
  void CNCommand(TMessage& m);
  void CMDialogChar(TMessage& m);

  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  DRUMS_CLASS(TCheckBox, TCustomCheckBox)

 public:
  using TCustomCheckBox::TCustomCheckBox;
};
