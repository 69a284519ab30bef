// The form's main menu: the window's menu bar and the menu messages the
// window manager sends the form about it.
#include "platform/vcl/forms/Form.h"
#include "platform/vcl/menus/Menu.h"

void TCustomForm::MenuChanged() {
  auto* menu = dynamic_cast<TMainMenu*>(FMenu);
  if (!HandleAllocated()) return;
  if (!menu) {
    if (::GetMenu(GetHandle())) ::SetMenu(GetHandle(), nullptr);
    return;
  }
  // A streamed menu waits until the whole form is read.
  if (GetComponentState().Contains(csLoading)) return;
  menu->SetWindowHandle(GetHandle());
}

void TCustomForm::WMMenuMessage(TMessage& m) {
  auto* menu = dynamic_cast<TMenu*>(FMenu);
  if (menu && vcl::menus::HandleMenuMessage(m, {menu})) return;
  InheritedMessage(m);
}
