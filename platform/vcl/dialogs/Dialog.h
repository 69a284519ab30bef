// TCommonDialog: the base of the components that run one of the platform's
// common dialogs (file names, fonts, colours) modally over the active form.
#pragma once

#include "platform/vcl/classes/components/Component.h"
#include "platform/win/winuser.h"

class TCommonDialog : public TComponent {
  DRUMS_CLASS(TCommonDialog, TComponent)

 public:
  explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

  // Runs the dialog; true when the user confirmed it.
  virtual bool Execute() = 0;
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool value) { FCtl3D = value; }
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  // The dialog's window while it runs, else null.
  HWND GetHandle() const { return FHandle; }

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

  static void Publish(TPublisher<TCommonDialog>& p);

 protected:
  virtual void DoShow();
  virtual void DoClose();
  // The window the dialog runs over: the active form's, else the
  // application's.
  HWND OwnerWindow() const;
  HWND FHandle = nullptr;

 private:
  bool FCtl3D = true;
  int FHelpContext = 0;
};

namespace vcl::dialogs {
// The dialog classes form resources may name; the application's start-up
// registers them.
void RegisterDialogClasses();
}  // namespace vcl::dialogs
