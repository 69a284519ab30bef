// TButton: a push button drawn by the library itself (the window manager
// has no predefined button class). Enter presses the form's Default
// button, Escape its Cancel button; a ModalResult closes a modal form.
#pragma once

#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/forms/FormTypes.h"

class TButton : public TCustomControl {
  DRUMS_CLASS(TButton, TCustomControl)
  DRUMS_MESSAGE_MAP(TButton)

 public:
  explicit TButton(TComponent* AOwner);

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  // Presses the button: sets the form's ModalResult, then OnClick.
  void Click() override;

  static void Publish(TPublisher<TButton>& p);
  static void Messages(TMessageMap<TButton>& m);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void CMDialogKey(TMessage& m);
  void CMTextChanged(TMessage& m);

  bool FDefault = false;
  bool FCancel = false;
  bool FDown = false;
  TModalResult FModalResult = mrNone;
};
