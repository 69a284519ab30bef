// The shell list's commands: opening items, going up, the default keys, the
// shell's verbs and context menu with Send To, renaming, New Folder, the
// mouse wheel and the shell-browser query.
#include <algorithm>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellControls/ContextMenus.h"
#include "controls/shell/UNavShellControls/Hourglass.h"
#include "controls/shell/UNavShellControls/NewFolder.h"
#include "controls/shell/UNavShellControls/PidlUIObjects.h"
#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellControls/ShellItemCommands.h"
#include "controls/shell/UNavShellControls/ShellList.h"
#include "controls/shell/UNavShellControls/ShellMenuCommands.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils/IdListArray.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/ShellLink.h"
#include "platform/vcl/Menus.h"

namespace {

void FreeListCopies(std::vector<LPITEMIDLIST>& lists) {
  for (LPITEMIDLIST list : lists) ShellFree(list);
  lists.clear();
}

// Copies of item-ID lists that go back to the shell allocator at the end of
// a command, however it ends.
struct TListCopies {
  std::vector<LPITEMIDLIST> lists;
  ~TListCopies() { FreeListCopies(lists); }
  std::vector<LPCITEMIDLIST> Items() const { return {lists.begin(), lists.end()}; }
};

}  // namespace

HWND TNavCustomShellList::OwnerWindow() {
  return GetTopFormHandle(this);
}

bool TNavCustomShellList::InNetworkFolder() {
  return FFolder->GetFolderPath().rfind("\\\\", 0) == 0;
}

std::vector<LPCITEMIDLIST> TNavCustomShellList::GetSelectedRelIdLists() {
  std::vector<LPCITEMIDLIST> lists;
  TListItems* items = GetItems();
  for (int i = 0; i < items->GetCount(); ++i) {
    TListItem* item = items->GetItem(i);
    if (!item->GetSelected()) continue;
    TNavShListData* data = ItemData(item);
    lists.push_back(data ? data->GetRelIdList() : nullptr);
  }
  return lists;
}

std::vector<LPITEMIDLIST> TNavCustomShellList::CopySelectedRelIdLists() {
  std::vector<LPITEMIDLIST> copies;
  for (LPCITEMIDLIST list : GetSelectedRelIdLists())
    if (list) copies.push_back(CopyPidl(ShellMalloc(), list));
  return copies;
}

bool TNavCustomShellList::DoDblClickOpen() {
  bool handled = false;
  if (OnDblClickOpen) OnDblClickOpen(this, handled);
  return !handled;
}

void TNavCustomShellList::RunDefaultCommand(const std::vector<LPITEMIDLIST>& lists) {
  if (lists.empty() || !FShellFolder) return;
  std::vector<LPCITEMIDLIST> items(lists.begin(), lists.end());
  IContextMenu* menu = nullptr;
  HMENU handle = nullptr;
  const HWND owner = OwnerWindow();
  if (FAILED(GetContextMenuOf(owner, FShellFolder, static_cast<UINT>(items.size()), items.data(), &menu, handle,
                              CMF_EXPLORE, kNavFirstShellCommand)))
    return;
  const UINT command = GetMenuDefaultItem(handle, FALSE, 0);
  DestroyMenu(handle);
  if (command != static_cast<UINT>(-1) && command >= kNavFirstShellCommand) {
    try {
      InvokeContextMenuVerb(owner, menu, command - kNavFirstShellCommand);
    } catch (...) {
      menu->Release();
      throw;
    }
  }
  menu->Release();
}

void TNavCustomShellList::OpenSelected() {
  FlushPendingRefresh(true);
  TListCopies copies{CopySelectedRelIdLists()};
  if (copies.lists.size() < 2) {
    if (TListItem* selected = GetSelected()) OpenItem(selected);
    return;
  }
  if (DoDblClickOpen()) RunDefaultCommand(copies.lists);
}

void TNavCustomShellList::OpenItem(TListItem* item) {
  FlushPendingRefresh(true);
  TNavShListData* data = ItemData(item);
  if (!data) {
    DoDblClickOpen();
    return;
  }
  TNavHourglass hourglass;
  // Copies: entering a folder clears the items and their data.
  TListCopies absolute{{CopyPidl(ShellMalloc(), data->AbsIdList())}};
  SFGAOF attributes = SFGAO_FOLDER;
  LPCITEMIDLIST relative[1] = {data->GetRelIdList()};
  if (FAILED(FShellFolder->GetAttributesOf(1, relative, &attributes))) attributes = 0;
  if (attributes & SFGAO_FOLDER) {
    NavigateTo(absolute.lists[0]);
    return;
  }
  if (data->IsLinkFile()) {
    TLinkData link;
    if (SUCCEEDED(ReadShellLink(data->GetItemPath(), link, false)) &&
        (link.FindData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      LPITEMIDLIST target = nullptr;
      if (SUCCEEDED(PathToPidl(link.PathName, &target)) && target) {
        TListCopies targetCopy{{target}};
        NavigateTo(target);
        return;
      }
    }
  }
  if (DoDblClickOpen()) {
    TListCopies one{{CopyPidl(ShellMalloc(), data->GetRelIdList())}};
    RunDefaultCommand(one.lists);
  }
}

void TNavCustomShellList::NavigateTo(LPCITEMIDLIST absolute) {
  if (HasOption(navsloDontChangeFolder)) return;
  TListCopies target{{CopyPidl(ShellMalloc(), absolute)}};
  TListItems* items = GetItems();
  items->BeginUpdate();
  try {
    items->Clear();
  } catch (...) {
    items->EndUpdate();
    throw;
  }
  items->EndUpdate();
  // linked tree: its selected folder takes the list there.
  if (FShellTree)
    FShellTree->GetSelectedFolder()->SetPidl(target.lists[0]);
  else if (FShellCombo)
    FShellCombo->GetLocator()->SetPidl(target.lists[0]);
  else
    FFolder->SetPidl(target.lists[0]);
}

void TNavCustomShellList::GoUp(int levels) {
  if (HasOption(navsloDontChangeFolder) || levels <= 0) return;
  // linked tree: it goes up and the list follows.
  if (FShellTree) {
    FShellTree->GoUp(levels);
    return;
  }
  if (FShellCombo) {
    FShellCombo->GoUp(levels);
    return;
  }
  TNavIdListArray items(FFolder->GetPidl());
  const int count = items.GetCount();
  if (count == 0) return;
  // Going up further than the desktop stops at the desktop.
  FFolder->SetPidl(items.Ancestor(std::min(levels, count)));
}

void TNavCustomShellList::SelectAll() {
  TListItems* items = GetItems();
  items->BeginUpdate();
  try {
    for (int i = 0; i < items->GetCount(); ++i) items->GetItem(i)->SetSelected(true);
  } catch (...) {
    items->EndUpdate();
    throw;
  }
  items->EndUpdate();
}

void TNavCustomShellList::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  inherited::MouseDown(button, shift, x, y);
  if (button == mbLeft && shift.Contains(ssDouble)) OpenSelected();
}

void TNavCustomShellList::CMWantSpecialKey(TMessage& m) {
  InheritedMessage(m);
  if (m.WParam != VK_RETURN) return;
  TNavShListData* data = SelectedItemData();
  if (IsEditing() || (data && data->IsFolder())) m.Result = 1;
}

void TNavCustomShellList::KeyDown(WORD& key, TShiftState shift) {
  inherited::KeyDown(key, shift);
  if (key == 0 || !HasOption(navsloDefaultKeyHandling) || IsEditing() || GetComponentState().Contains(csDesigning))
    return;
  TNavShellControlDefKey which;
  if (!MatchDefaultKey(key, shift, which)) return;
  switch (which) {
    case dkSelectAll: SelectAll(); break;
    case dkRefresh: Rebuild(); break;
    case dkCopy: InvokeVerb("copy"); break;
    case dkCut: InvokeVerb("cut"); break;
    case dkPaste:
      InvokeFolderVerb("paste");
      RefreshContents();
      break;
    case dkRename:
      if (TListItem* focused = GetItemFocused()) focused->EditCaption();
      break;
    case dkDelete:
      InvokeVerb("delete");
      RefreshContents();
      break;
  }
  key = 0;
}

void TNavCustomShellList::KeyPress(char& key) {
  inherited::KeyPress(key);
  if (!HasOption(navsloDefaultKeyHandling) || IsEditing() || GetComponentState().Contains(csDesigning)) return;
  if (key == '\b') {
    key = 0;
    GoUp(1);
  } else if (key == '\r') {
    key = 0;
    OpenSelected();
  }
}

HRESULT TNavCustomShellList::GetUIObjectOfSelection(IMalloc* allocator, REFIID iid, void** object) {
  if (object) *object = nullptr;
  std::vector<LPITEMIDLIST> copies;
  for (LPCITEMIDLIST list : GetSelectedRelIdLists())
    if (list) copies.push_back(CopyPidl(allocator, list));
  if (copies.empty() || !FShellFolder) return E_FAIL;
  std::vector<LPCITEMIDLIST> items(copies.begin(), copies.end());
  const HRESULT result =
      FShellFolder->GetUIObjectOf(OwnerWindow(), static_cast<UINT>(items.size()), items.data(), iid, nullptr, object);
  for (LPITEMIDLIST copy : copies) {
    if (allocator)
      allocator->Free(copy);
    else
      ShellFree(copy);
  }
  return result;
}

HRESULT TNavCustomShellList::GetUIObjectOfItem(TListItem* item, REFIID iid, void** object) {
  if (object) *object = nullptr;
  TNavShListData* data = ItemData(item);
  if (!data || !FShellFolder) return E_INVALIDARG;
  LPCITEMIDLIST one[1] = {data->GetRelIdList()};
  return FShellFolder->GetUIObjectOf(OwnerWindow(), 1, one, iid, nullptr, object);
}

void TNavCustomShellList::InvokeVerb(const std::string& verb) {
  IContextMenu* menu = nullptr;
  if (FAILED(GetUIObjectOfSelection(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu))) || !menu) return;
  InvokeVerbAndRelease(OwnerWindow(), menu, verb);
  if (InNetworkFolder()) RefreshContents();
}

void TNavCustomShellList::InvokeFolderVerb(const std::string& verb) {
  IContextMenu* menu = nullptr;
  const HRESULT result = GetUIObjectOfPidl(FFolderIdList, IID_IContextMenu, reinterpret_cast<void**>(&menu));
  if (FAILED(result) || !menu) RaiseSysError(static_cast<DWORD>(FAILED(result) ? result : E_FAIL));
  const HRESULT invoked = InvokeVerbAndRelease(OwnerWindow(), menu, verb);
  if (FAILED(invoked)) RaiseSysError(static_cast<DWORD>(invoked));
}

void TNavCustomShellList::DoItemContextMenu(TListItem* item, TPoint point, TPopupMenu*& menu) {
  inherited::DoItemContextMenu(item, point, menu);
  if (!HasOption(navsloContextMenus) || GetComponentState().Contains(csDesigning) || FDragging) return;
  // The shell's menu takes the place of the control's own.
  menu = nullptr;
  ShowContextMenu(point);
}

void TNavCustomShellList::ShowContextMenu(TPoint point) {
  if (!FShellFolder) return;
  TListCopies copies{CopySelectedRelIdLists()};
  if (copies.lists.empty()) return;
  UINT flags = CMF_EXPLORE;
  TNavShListData* focused = ItemData(GetItemFocused());
  if (focused && !focused->GetItemPath().empty() && !GetReadOnly()) flags |= CMF_CANRENAME;
  std::vector<LPCITEMIDLIST> items = copies.Items();
  IContextMenu* menu = nullptr;
  HMENU handle = nullptr;
  const HWND owner = OwnerWindow();
  if (FAILED(GetContextMenuOf(owner, FShellFolder, static_cast<UINT>(items.size()), items.data(), &menu, handle, flags,
                              kNavFirstShellCommand)))
    return;
  TNavShownMenu shown(FCurrentContextMenu, menu, handle);
  const int command = shown.Track(this, point);
  const bool invoked = shown.Run(
      command, owner,
      [this] {
        if (TListItem* item = GetItemFocused()) item->EditCaption();
      },
      [this](int index) { SendTo(index); });
  if (invoked && InNetworkFolder()) RefreshContents();
}

void TNavCustomShellList::WMMenuMessage(TMessage& m) {
  InheritedMessage(m);
  ForwardShellMenuMessage(m, FCurrentContextMenu, GetSmallImages(), this, OnPopupHint);
}

void TNavCustomShellList::SendTo(int index) {
  SendToEntry(index, [this] { return new TDataObject_shlv(*this); });
}

void TNavCustomShellList::Edit(const LVITEMA& item) {
  auto* listItem = reinterpret_cast<TListItem*>(item.lParam);
  TNavShListData* data = ItemData(listItem);
  if (!data || !item.pszText || !FShellFolder) {
    inherited::Edit(item);
    return;
  }
  std::string text = item.pszText;
  if (OnEdited) OnEdited(this, listItem, text);
  if (LPITEMIDLIST renamed = RenameShellItem(FShellFolder, OwnerWindow(), data->GetRelIdList(), text)) {
    // Only a rename that happened on disk has a notice of its own to
    // swallow; a failed one must leave the next outside change heard.
    FSelfCaused = Watching();
    data->SetRelIdList(renamed);
    listItem->SetCaption(text);
  }
  if (FRefreshDeferred) {
    FRefreshDeferred = false;
    RefreshContents();
  }
}

bool TNavCustomShellList::NewFolder(bool edit) {
  const std::string path = FFolder->GetFolderPath();
  std::string name;
  if (!CreateNewFolder(path, name)) return false;
  FSelfCaused = Watching();
  if (IsDesktopPidl(FFolderIdList)) WaitWithHourglass(2100);
  RefreshContents();
  if (edit && HandleAllocated()) {
    FNewFolderName = name;
    PostMessageA(GetHandle(), WM_EDITNEWFOLDER, 0, 0);
  }
  return true;
}

void TNavCustomShellList::WMEditNewFolder(TMessage&) {
  TListItems* items = GetItems();
  for (int i = 0; i < items->GetCount(); ++i) {
    TListItem* item = items->GetItem(i);
    TNavShListData* data = ItemData(item);
    if (!data || data->DisplayName() != FNewFolderName) continue;
    SetFocus();
    item->EditCaption();
    return;
  }
}

void TNavCustomShellList::WMGetIShellBrowser(TMessage& m) {
  m.Result = 0;
  IUnknown* explorer = nullptr;
  if (FAILED(SHGetInstanceExplorer(&explorer)) || !explorer) return;
  void* browser = nullptr;
  if (SUCCEEDED(explorer->QueryInterface(IID_IShellBrowser, &browser))) m.Result = reinterpret_cast<LRESULT>(browser);
  explorer->Release();
}

bool TNavCustomShellList::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (inherited::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  // The wheel scrolls the shell control under the pointer, not the focused
  // one; a list view in list style scrolls sideways.
  return ShellControlWheel(this, shift, wheelDelta, mousePos, GetViewStyle() == vsList ? nsbHorizontal : nsbVertical);
}
