#include "platform/vcl/menus/Menu.h"

#include <algorithm>

#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/controls/Control.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/HintWindow.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Form.h"
#include "platform/win/winuser_help.h"

namespace {

// Every popup menu alive: the popup list window hands them its messages.
std::vector<TMenu*>& PopupMenus() {
  static std::vector<TMenu*> menus;
  return menus;
}

HWND& PopupWindowHandle() {
  static HWND handle = nullptr;
  return handle;
}

constexpr char kPopupListClass[] = "TPopupListWindow";

// Runs a menu message's handling; an exception goes to the application, as
// one from a control's window procedure does.
template <class F>
bool Guarded(F&& f) {
  const auto& hook = vcl::GetWindowProcExceptionHook();
  if (!hook) return f();
  try {
    return f();
  } catch (...) {
    hook(std::current_exception());
    return true;
  }
}

LRESULT CALLBACK PopupListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  if (vcl::menus::HandleMenuMessage(m, PopupMenus())) return m.Result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The shortcut of a key message with the modifier keys held now.
TShortCut ShortCutOfMessage(const TMessage& message) {
  WORD key = static_cast<WORD>(message.WParam);
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (message.Msg == WM_SYSKEYDOWN || message.Msg == CN_SYSKEYDOWN || (message.LParam & (1 << 29)) ||
      GetKeyState(VK_MENU) < 0)
    shift.Include(ssAlt);
  return ShortCut(key, shift);
}

// A key down on control: its popup menus and its parents', then its form's
// main menu, may take it as a shortcut.
bool MenuKey(TWinControl* control, TMessage& message) {
  if (control->GetComponentState().Contains(csDesigning)) return false;
  for (TControl* c = control; c; c = c->GetParent())
    if (auto* popup = dynamic_cast<TPopupMenu*>(c->GetPopupMenu()); popup && popup->IsShortCut(message)) return true;
  TCustomForm* form = GetParentForm(control);
  auto* menu = form ? dynamic_cast<TMenu*>(form->GetMenu()) : nullptr;
  return menu && menu->IsShortCut(message);
}

// WM_DRAWITEM or WM_MEASUREITEM: the first menu whose item the record is
// about handles it.
template <class Record>
bool OwnerDrawRecord(TMessage& message, const std::vector<TMenu*>& menus, bool (TMenu::*handle)(Record&)) {
  return Guarded([&] {
    auto* record = reinterpret_cast<Record*>(message.LParam);
    for (TMenu* menu : menus)
      if (record && (menu->*handle)(*record)) {
        message.Result = 1;
        return true;
      }
    return false;
  });
}

// F1 on a menu item: the item's topic, else the active form's; a form with
// the help border icon shows its topics as pop-ups.
void ShowItemHelp(const TMenuItem& item) {
  auto* form = Screen ? dynamic_cast<TCustomForm*>(Screen->GetActiveForm()) : nullptr;
  int context = item.GetHelpContext();
  if (context == 0 && form) context = form->GetHelpContext();
  if (form && form->GetBorderIcons().Contains(biHelp))
    Application->HelpCommand(HELP_CONTEXTPOPUP, context);
  else
    Application->HelpContext(context);
}

}  // namespace

// ---- TMenu --------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner) {
  FItems = new TMenuItem(this);
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  TMenuItem* items = FItems;
  FItems = nullptr;
  // The entries go first, so that none is left in a destroyed handle.
  delete items;
  if (FHandle) DestroyMenu(FHandle);
}

void TMenu::Publish(TPublisher<TMenu>& p) {
  p.Prop("Images", &TMenu::GetImages, &TMenu::SetImages);
  p.Prop("OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

HMENU TMenu::GetHandle() {
  if (!FHandle) {
    FHandle = CreateMenuHandle();
    FItems->RebuildHandle();
  }
  return FHandle;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == FOwnerDraw) return;
  FOwnerDraw = value;
  // Every level changes its item type.
  std::vector<TMenuItem*> pending{FItems};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    item->RebuildHandle();
    for (TMenuItem* child : item->FItems) pending.push_back(child);
  }
}

void TMenu::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (FImages) FImages->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FImages) FImages = nullptr;
}

void TMenu::Loaded() {
  inherited::Loaded();
  if (FHandle) FItems->RebuildHandle();
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) {
  FItems->GetChildren(proc, root);
}

void TMenu::SetChildOrder(TComponent* child, int order) {
  FItems->SetChildOrder(child, order);
}

TMenuItem* TMenu::FindItem(UINT value, TFindItemKind kind) {
  std::vector<TMenuItem*> pending{FItems};
  while (!pending.empty()) {
    TMenuItem* item = pending.front();
    pending.erase(pending.begin());
    if (item != FItems) {
      switch (kind) {
        case fkCommand:
          if (item->FCommand == value) return item;
          break;
        case fkHandle:
          if (item->FHandle && reinterpret_cast<UINT_PTR>(item->FHandle) == value) return item;
          break;
        case fkShortCut:
          if (item->FShortCut == value && item->FEnabled && item->FVisible) return item;
          break;
      }
    }
    // Shortcuts of hidden or disabled submenus do not count.
    if (kind == fkShortCut && (!item->FEnabled || !item->FVisible)) continue;
    for (TMenuItem* child : item->FItems) pending.push_back(child);
  }
  return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU submenu) {
  if (submenu == FHandle) return true;
  std::vector<TMenuItem*> pending{FItems};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item != FItems && item->FHandle == submenu) {
      item->Click();
      return true;
    }
    for (TMenuItem* child : item->FItems) pending.push_back(child);
  }
  return false;
}

bool TMenu::IsShortCut(const TMessage& message) {
  TShortCut shortCut = ShortCutOfMessage(message);
  if ((shortCut & 0xFF) == 0) return false;
  TMenuItem* item = FindItem(shortCut, fkShortCut);
  if (!item) return false;
  item->Click();
  return true;
}

namespace {
// A canvas on the device context of one owner-draw record, in the menu font.
struct MenuItemCanvas {
  explicit MenuItemCanvas(HDC dc) {
    canvas.SetHandle(dc);
    if (Screen) canvas.GetFont()->Assign(Screen->GetMenuFont());
  }
  ~MenuItemCanvas() { canvas.SetHandle(nullptr); }
  TCanvas canvas;
};
}  // namespace

bool TMenu::DrawItem(DRAWITEMSTRUCT& record) {
  if (record.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItem(record.itemID, fkCommand);
  if (!item) return false;
  MenuItemCanvas c(record.hDC);
  bool selected = (record.itemState & ODS_SELECTED) != 0;
  c.canvas.GetBrush()->SetColor(selected ? clHighlight : clMenu);
  c.canvas.GetFont()->SetColor(selected ? clHighlightText : clMenuText);
  item->DrawItem(&c.canvas, TRect(record.rcItem), selected);
  return true;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& record) {
  if (record.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItem(record.itemID, fkCommand);
  if (!item) return false;
  HDC dc = GetDC(nullptr);
  int width = static_cast<int>(record.itemWidth), height = static_cast<int>(record.itemHeight);
  {
    MenuItemCanvas c(dc);
    item->MeasureItem(&c.canvas, width, height);
  }
  ReleaseDC(nullptr, dc);
  record.itemWidth = static_cast<UINT>(std::max(width, 0));
  record.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

// ---- TMainMenu ---------------------------------------------------------------

TMainMenu::~TMainMenu() {
  if (FWindowHandle && IsWindow(FWindowHandle) && HandleAllocated() && ::GetMenu(FWindowHandle) == GetHandle())
    ::SetMenu(FWindowHandle, nullptr);
}

void TMainMenu::SetWindowHandle(HWND value) {
  if (FWindowHandle && FWindowHandle != value && IsWindow(FWindowHandle) && HandleAllocated() &&
      ::GetMenu(FWindowHandle) == GetHandle())
    ::SetMenu(FWindowHandle, nullptr);
  FWindowHandle = value;
  if (FWindowHandle) ::SetMenu(FWindowHandle, GetHandle());
}

void TMainMenu::MenuChanged() {
  if (FWindowHandle && IsWindow(FWindowHandle)) DrawMenuBar(FWindowHandle);
}

// ---- TPopupMenu ----------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {
  PopupMenus().push_back(this);
}

TPopupMenu::~TPopupMenu() {
  auto& menus = PopupMenus();
  menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
}

void TPopupMenu::Publish(TPublisher<TPopupMenu>& p) {
  p.Prop("Alignment", &TPopupMenu::GetAlignment, &TPopupMenu::SetAlignment).Default(paLeft);
  p.Prop("AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  p.Prop("HelpContext", &TPopupMenu::GetHelpContext, &TPopupMenu::SetHelpContext).Default(0);
  p.Prop("TrackButton", &TPopupMenu::GetTrackButton, &TPopupMenu::SetTrackButton).Default(tbRightButton);
  p.Prop("OnPopup", &TPopupMenu::OnPopup);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* value) {
  if (value == FPopupComponent) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = value;
  if (FPopupComponent) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}

UINT TPopupMenu::TrackFlags() const {
  static constexpr UINT kAlign[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  return kAlign[FAlignment] | (FTrackButton == tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON);
}

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = TPoint(X, Y);
  DoPopup(this);
  // OnPopup may have added, removed or changed entries: the handle follows
  // on its own, as each change rebuilds it.
  TrackPopupMenu(GetHandle(), TrackFlags(), X, Y, 0, vcl::menus::PopupListWindow(), nullptr);
}

// ---- Messages and hooks --------------------------------------------------------------

namespace vcl::menus {

HWND PopupListWindow() {
  HWND& handle = PopupWindowHandle();
  if (handle && IsWindow(handle)) return handle;
  WNDCLASSA wc{};
  if (!GetClassInfoA(nullptr, kPopupListClass, &wc)) {
    wc.lpfnWndProc = PopupListProc;
    wc.lpszClassName = kPopupListClass;
    RegisterClassA(&wc);
  }
  handle = CreateWindowExA(0, kPopupListClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  return handle;
}

bool HandleMenuMessage(TMessage& message, const std::vector<TMenu*>& menus) {
  switch (message.Msg) {
    case WM_COMMAND:
      // Menus send no window and no notification code.
      if (message.LParam != 0 || HIWORD(message.WParam) > 1) return false;
      return Guarded([&] {
        for (TMenu* menu : std::vector<TMenu*>(menus))
          if (menu->DispatchCommand(LOWORD(message.WParam))) return true;
        return false;
      });
    case WM_INITMENUPOPUP:
      return Guarded([&] {
        for (TMenu* menu : std::vector<TMenu*>(menus))
          if (menu->DispatchPopup(reinterpret_cast<HMENU>(message.WParam))) return true;
        return false;
      });
    case WM_DRAWITEM: return OwnerDrawRecord<DRAWITEMSTRUCT>(message, menus, &TMenu::DrawItem);
    case WM_MEASUREITEM: return OwnerDrawRecord<MEASUREITEMSTRUCT>(message, menus, &TMenu::MeasureItem);
    case WM_HELP: {
      const auto* info = reinterpret_cast<const HELPINFO*>(message.LParam);
      if (!Application || !info || info->iContextType != HELPINFO_MENUITEM || info->iCtrlId == 0) return false;
      for (TMenu* menu : menus)
        if (TMenuItem* item = menu->FindItem(static_cast<UINT>(info->iCtrlId), fkCommand))
          return Guarded([item] {
            ShowItemHelp(*item);
            return true;
          });
      return false;
    }
    case WM_MENUSELECT: {
      if (!Application) return false;
      UINT flags = HIWORD(message.WParam);
      auto menu = reinterpret_cast<HMENU>(message.LParam);
      if (flags == 0xFFFF && menu == nullptr) {
        Application->SetHint("");
        return false;
      }
      TMenuItem* found = nullptr;
      for (TMenu* m : menus) {
        if (flags & MF_POPUP) {
          // A submenu's own entry: found by its position in the menu shown.
          HMENU sub = GetSubMenu(menu, LOWORD(message.WParam));
          found = sub ? m->FindItem(static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub)), fkHandle) : nullptr;
        } else {
          found = m->FindItem(LOWORD(message.WParam), fkCommand);
        }
        if (found) break;
      }
      Application->SetHint(found ? GetLongHint(found->GetHint()) : "");
      return false;
    }
    default: return false;
  }
}

void InitMenus() {
  RegisterClasses({TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()});
  vcl::SetPopupMenuHook([](TControl* control, TComponent* menu, TPoint screen) {
    auto* popup = dynamic_cast<TPopupMenu*>(menu);
    if (!popup || !popup->GetAutoPopup()) return false;
    popup->SetPopupComponent(control);
    popup->Popup(screen.X, screen.Y);
    return true;
  });
  vcl::SetMenuKeyHook(MenuKey);
}

void DoneMenus() {
  vcl::SetPopupMenuHook(nullptr);
  vcl::SetMenuKeyHook(nullptr);
  HWND& handle = PopupWindowHandle();
  if (handle && IsWindow(handle)) DestroyWindow(handle);
  handle = nullptr;
}

}  // namespace vcl::menus
