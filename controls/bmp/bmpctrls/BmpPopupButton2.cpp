#include "controls/bmp/bmpctrls/BmpPopupButton2.h"

#include <cctype>

#include "platform/vcl/Classes.h"

TBmpPopupButton2::TBmpPopupButton2(TComponent* AOwner) : TBmpBtn(AOwner) {
  SetWidth(119);
}

void TBmpPopupButton2::Publish(TPublisher<TBmpPopupButton2>& p) {
  p.Prop("DownMenu", &TBmpPopupButton2::GetDownMenu, &TBmpPopupButton2::SetDownMenu);
}

void TBmpPopupButton2::SetDownMenu(TPopupMenu* value) {
  if (value == FDownMenu) return;
  FDownMenu = value;
  if (FDownMenu) FDownMenu->FreeNotification(this);
}

void TBmpPopupButton2::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDownMenu) FDownMenu = nullptr;
}

void TBmpPopupButton2::Click() {
  // OnClick, or a command of the menu, may free the button; OnClick may take
  // the menu away.
  TWeakRef<TBmpPopupButton2> self(this);
  inherited::Click();
  if (!self || !FDownMenu || !HandleAllocated()) return;
  TPoint corner(GetLeft(), GetTop() + GetHeight());
  if (GetParent()) corner = GetParent()->ClientToScreen(corner);
  SetMenuDropped(true);
  Repaint();
  // A menu that cannot open (another one is open) has no loop whose end
  // would give the edge back.
  if (!TrackPopupMenu(FDownMenu->GetHandle(), FDownMenu->TrackFlags(), corner.X, corner.Y, 0, GetHandle(), nullptr) &&
      self)
    SetMenuDropped(false);
}

bool TBmpPopupButton2::MenuChar(TMessage& message) {
  auto* menu = reinterpret_cast<HMENU>(message.LParam);
  TMenuItem* parent = menu == FDownMenu->GetHandle()
                          ? FDownMenu->GetItems()
                          : FDownMenu->FindItem(static_cast<UINT>(reinterpret_cast<UINT_PTR>(menu)), fkHandle);
  if (!parent) return false;
  WORD ch = static_cast<WORD>(std::toupper(LOWORD(message.WParam)));
  int position = 0;
  for (int i = 0; i < parent->GetCount(); ++i) {
    TMenuItem* item = parent->GetItem(i);
    if (!item->GetVisible()) continue;
    if (item->GetEnabled() && IsAccel(ch, item->GetCaption())) {
      message.Result = MAKELRESULT(position, MNC_EXECUTE);
      return true;
    }
    ++position;
  }
  return false;
}

void TBmpPopupButton2::WndProc(TMessage& message) {
  // The loop's end is heard even when the menu went away while it was open,
  // so the raised edge comes back.
  if (message.Msg == WM_EXITMENULOOP) SetMenuDropped(false);
  if (FDownMenu) {
    switch (message.Msg) {
      case WM_COMMAND:
      case WM_INITMENUPOPUP:
      case WM_MENUSELECT:
      case WM_DRAWITEM:
      case WM_MEASUREITEM:
      case WM_HELP:
        if (vcl::menus::HandleMenuMessage(message, {FDownMenu})) return;
        break;
      case WM_MENUCHAR:
        if (MenuChar(message)) return;
        break;
      default: break;
    }
  }
  inherited::WndProc(message);
}
