#include "platform/vcl/dialogs/Dialog.h"

#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/dialogs/ColorDialog.h"
#include "platform/vcl/dialogs/FileDialogs.h"
#include "platform/vcl/dialogs/FontDialog.h"
#include "platform/vcl/dialogs/PictureDialogs.h"
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Form.h"

void TCommonDialog::Publish(TPublisher<TCommonDialog>& p) {
  p.Prop("Ctl3D", &TCommonDialog::GetCtl3D, &TCommonDialog::SetCtl3D).Default(true);
  p.Prop("HelpContext", &TCommonDialog::GetHelpContext, &TCommonDialog::SetHelpContext).Default(0);
  p.Prop("OnClose", &TCommonDialog::OnClose);
  p.Prop("OnShow", &TCommonDialog::OnShow);
}

void TCommonDialog::DoShow() {
  if (OnShow) OnShow(this);
}

void TCommonDialog::DoClose() {
  if (OnClose) OnClose(this);
}

HWND TCommonDialog::OwnerWindow() const {
  if (Screen && Screen->GetActiveForm() && Screen->GetActiveForm()->HandleAllocated())
    return Screen->GetActiveForm()->GetHandle();
  HWND active = GetActiveWindow();
  if (active) return active;
  return Application ? Application->GetHandle() : nullptr;
}

namespace vcl::dialogs {
void RegisterDialogClasses() {
  RegisterClasses({TOpenDialog::StaticClass(), TSaveDialog::StaticClass(), TOpenPictureDialog::StaticClass(),
                   TFontDialog::StaticClass(), TColorDialog::StaticClass()});
}
}  // namespace vcl::dialogs
