#include "controls/shell/UNavShellControls/SendToMenu.h"

#include <cctype>
#include <memory>

#include "controls/shell/UNavShellControls/ContextMenus.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/win/commctrl.h"  // the image lists ShellItems.h names
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/shellapi.h"

namespace {

std::unique_ptr<TStringList>& SendToListSlot() {
  static std::unique_ptr<TStringList> list;
  return list;
}

constexpr ULONG_PTR kFirstShellData = 50;

// The shell's own IContextMenu2, or nil (the caller releases it).
IContextMenu2* MenuOf2(IContextMenu* menu) {
  IContextMenu2* second = nullptr;
  if (menu && SUCCEEDED(menu->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(&second)))) return second;
  return nullptr;
}

// True when the message went to the shell's IContextMenu2.
bool ForwardedToShell(TMessage& message, IContextMenu* menu) {
  IContextMenu2* second = MenuOf2(menu);
  if (!second) return false;
  second->HandleMenuMsg(message.Msg, message.WParam, message.LParam);
  second->Release();
  return true;
}

std::string EntryName(int index) {
  return ChangeFileExt(GetSendToList()->GetStrings(index), "");
}

bool IsOwnEntry(ULONG_PTR data) {
  const TStringList* list = GetSendToList();
  return data < kFirstShellData && list && data < static_cast<ULONG_PTR>(list->GetCount());
}

// The menu font of the system's non-client metrics (the caller deletes it).
HFONT CreateMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return CreateFontIndirectA(&metrics.lfMenuFont);
}

void FillFromSendToFolder(TStringList* list) {
  const std::string folder = GetSpecialFolderPath(nullptr, CSIDL_SENDTO);
  if (folder.empty()) return;
  const std::string base = AddTrailingChar(folder, '\\');
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    // Folders and links to folders are targets here as much as programs:
    // only hidden entries stay out.
    if (name == "." || name == ".." || (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)) continue;
    if (list->IndexOf(name) >= 0) continue;
    LPITEMIDLIST item = nullptr;
    int icon = -1;
    if (PathToPidl(base + name, &item) == S_OK) icon = GetIconIndex(item, SHGFI_SMALLICON);
    ShellFree(item);
    list->AddObject(name, reinterpret_cast<TObject*>(static_cast<INT_PTR>(icon)));
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

TStringList* GetSendToList() {
  return SendToListSlot().get();
}

TStringList* NeedSendToList() {
  if (!SendToListSlot()) {
    auto list = std::make_unique<TStringList>();
    list->SetDuplicates(dupIgnore);
    list->SetSorted(true);
    SendToListSlot() = std::move(list);
  }
  return SendToListSlot().get();
}

void FreeSendToList() {
  SendToListSlot().reset();
}

int SendToIconIndex(int index) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetSendToList()->GetObjects(index)));
}

int FindHiliteItem(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (state != 0xFFFFFFFF && (state & MFS_HILITE)) return position;
  }
  return -1;
}

void HandleInitMenuPopup(TMessage& message, IContextMenu* menu) {
  if (!menu) return;
  try {
    if (ForwardedToShell(message, menu)) return;
    HMENU popup = reinterpret_cast<HMENU>(message.WParam);
    if (GetMenuItemCount(popup) != 1) return;
    if (!(GetMenuState(popup, 0, MF_BYPOSITION) & MF_GRAYED)) return;
    TStringList* list = NeedSendToList();
    DeleteMenu(popup, 0, MF_BYPOSITION);
    FillFromSendToFolder(list);
    for (int index = 0; index < list->GetCount(); ++index) {
      AppendMenuA(popup, MF_OWNERDRAW, static_cast<UINT_PTR>(index + 1),
                  reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(index)));
    }
  } catch (...) {
    // A broken shell extension must not stop the menu.
  }
}

void HandleMeasureItem(TMessage& message, IContextMenu* menu) {
  if (!menu) return;
  try {
    if (ForwardedToShell(message, menu)) return;
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (!measure || measure->CtlType != ODT_MENU || !IsOwnEntry(measure->itemData)) return;
    const std::string name = EntryName(static_cast<int>(measure->itemData));
    HDC dc = GetDC(nullptr);
    HFONT font = CreateMenuFont();
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    measure->itemWidth = static_cast<UINT>(extent.cx + 32);
    measure->itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU) + 2);
    message.Result = 1;
  } catch (...) {}
}

void HandleDrawItem(TMessage& message, IContextMenu* menu, HIMAGELIST smallImages) {
  if (!menu) return;
  try {
    if (ForwardedToShell(message, menu)) return;
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (!draw || draw->CtlType != ODT_MENU || !IsOwnEntry(draw->itemData)) return;
    const bool selected = draw->itemState & ODS_SELECTED;
    HDC dc = draw->hDC;
    const RECT area = draw->rcItem;
    HFONT font = CreateMenuFont();
    HGDIOBJ old = SelectObject(dc, font);
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    const int index = static_cast<int>(draw->itemData);
    const std::string name = EntryName(index);
    ExtTextOutA(dc, area.left + 32, area.top + 2, ETO_OPAQUE, &area, name.c_str(), static_cast<UINT>(name.size()),
                nullptr);
    const int icon = SendToIconIndex(index);
    if (icon >= 0 && smallImages) ImageList_Draw(smallImages, icon, dc, area.left + 8, area.top + 2, ILD_TRANSPARENT);
    SelectObject(dc, old);
    DeleteObject(font);
    message.Result = 1;
  } catch (...) {}
}

void HandleMenuChar(TMessage& message, IContextMenu* menu) {
  if (!menu) return;
  if (ForwardedToShell(message, menu)) return;
  const TStringList* list = GetSendToList();
  if (!(HIWORD(message.WParam) & MF_POPUP) || !list) return;
  HMENU popup = reinterpret_cast<HMENU>(message.LParam);
  const char typed = static_cast<char>(std::toupper(static_cast<unsigned char>(LOWORD(message.WParam))));
  const int count = GetMenuItemCount(popup);
  const int hilite = FindHiliteItem(popup);
  int first = -1, matches = 0;
  for (int step = 1; step <= count; ++step) {
    const int position = (hilite + step) % count;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(popup, static_cast<UINT>(position), TRUE, &info) || !IsOwnEntry(info.dwItemData)) continue;
    const std::string name = EntryName(static_cast<int>(info.dwItemData));
    if (name.empty() || std::toupper(static_cast<unsigned char>(name[0])) != static_cast<unsigned char>(typed))
      continue;
    if (first < 0) first = position;
    ++matches;
  }
  if (first < 0)
    message.Result = MAKELRESULT(0, MNC_CLOSE);
  else
    message.Result = MAKELRESULT(first, matches > 1 ? MNC_SELECT : MNC_EXECUTE);
}

void HandleMenuSelect(TMessage& message, IContextMenu* menu, TObject* control, const TNavPopupHintEvent& handler) {
  if (!menu || !handler) return;
  const UINT id = LOWORD(message.WParam);
  const UINT flags = HIWORD(message.WParam);
  std::string hint;
  if (id >= kNavFirstShellCommand && !(flags & (MF_POPUP | MF_SYSMENU))) {
    char text[261] = {};
    if (SUCCEEDED(menu->GetCommandString(id - kNavFirstShellCommand, GCS_HELPTEXTA, nullptr, text, sizeof text)))
      hint = text;
  }
  handler(control, hint);
}
