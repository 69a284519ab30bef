// The shell tree's commands: the default keys, the shell's verbs and context
// menu with Send To, renaming, going up, the mouse wheel and the tree view's
// notifications that start them.
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "controls/shell/UNavShellControls/ContextMenus.h"
#include "controls/shell/UNavShellControls/DataObjects.h"
#include "controls/shell/UNavShellControls/DefaultKeys.h"
#include "controls/shell/UNavShellControls/Hourglass.h"
#include "controls/shell/UNavShellControls/ScrollHelpers.h"
#include "controls/shell/UNavShellControls/SendToDrop.h"
#include "controls/shell/UNavShellControls/SendToMenu.h"
#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellControls/ShellTreeParts.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/WideText.h"
#include "platform/vcl/Menus.h"

using navshelltree::TNesting;

namespace {

constexpr UINT kTreeRenameCommand = kNavFirstShellCommand + 18;
// The longest name the shell takes.
constexpr std::size_t kTreeMaxNameLength = 260;
constexpr SHGDNF kTreeSetNameFlags = 0x20;

void TreeForEachDescendant(TTreeNode* node, const std::function<void(TTreeNode*)>& action) {
  for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) {
    action(child);
    TreeForEachDescendant(child, action);
  }
}

}  // namespace

// ---- notifications

void TNavCustomShellTree::CNNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  switch (header->code) {
    case NM_CLICK:
      // A click moves the linked list at once.
      FSelectAtOnce = true;
      InheritedMessage(m);
      return;
    case TVN_BEGINDRAGA:
    case TVN_BEGINRDRAGA: {
      if (!HasOption(navstoOleDrag)) {
        InheritedMessage(m);
        return;
      }
      auto* notice = reinterpret_cast<NMTREEVIEWA*>(m.LParam);
      TTreeNode* node = reinterpret_cast<TTreeNode*>(notice->itemNew.lParam);
      FDragNode = node;
      SetDropHighlight(node);
      try {
        if (NodeData(node) && node != TopNode()) BeginOleDrag(header->code == TVN_BEGINRDRAGA);
      } catch (...) {
        FDragNode = nullptr;
        SetDropHighlight(nullptr);
        throw;
      }
      FDragNode = nullptr;
      SetDropHighlight(nullptr);
      return;
    }
    case TVN_ENDLABELEDITA:
      InheritedMessage(m);
      // A refresh that waited for the edit (also a cancelled one) runs once
      // the edit control is gone.
      if (FRefreshDeferred) Defer(false);
      return;
    default: InheritedMessage(m); return;
  }
}

void TNavCustomShellTree::CMWantSpecialKey(TMessage& m) {
  InheritedMessage(m);
  if (IsEditing()) m.Result = 1;
}

// ---- keys

void TNavCustomShellTree::KeyDown(WORD& key, TShiftState shift) {
  // A click that selected nothing leaves no promise for the keyboard.
  FSelectAtOnce = false;
  inherited::KeyDown(key, shift);
  if (key == 0 || !HasOption(navstoDefaultKeyHandling) || IsEditing() || Designing()) return;
  InitDefaultKeys();
  const auto& keys = ShellControlDefKeys();
  const TShortCut pressed = ShortCut(key, shift);
  const TShortCut withoutShift = ShortCut(key, shift - TShiftState{ssShift});
  const auto is = [&](TNavShellControlDefKey which) {
    return keys[which].ShortCut != 0 && keys[which].ShortCut == pressed;
  };
  TTreeNode* selected = GetSelected();
  if (is(dkRename)) {
    if (selected) selected->EditText();
  } else if (is(dkRefresh)) {
    RefreshContents();
  } else if (is(dkCopy)) {
    InvokeVerb(selected, "copy");
  } else if (is(dkCut)) {
    InvokeVerb(selected, "cut");
  } else if (is(dkPaste)) {
    InvokeVerb(selected, "paste");
    RefreshContents();
  } else if (keys[dkDelete].ShortCut != 0 &&
             (keys[dkDelete].ShortCut == pressed || keys[dkDelete].ShortCut == withoutShift)) {
    InvokeVerb(selected, "delete");
    RefreshContents();
  } else {
    return;
  }
  key = 0;
}

// ---- verbs and the context menu

HRESULT TNavCustomShellTree::InvokeVerb(TTreeNode* node, const std::string& verb) {
  TNavShTreeData* data = NodeData(node);
  if (!data || !data->GetParent() || node == TopNode()) return S_FALSE;
  IShellFolder* parent = data->ParentFolder();
  if (!parent) return S_FALSE;
  LPCITEMIDLIST one[1] = {data->GetRelIdList()};
  IContextMenu* menu = nullptr;
  const HWND owner = OwnerWindow();
  const HRESULT got = parent->GetUIObjectOf(owner, 1, one, IID_IContextMenu, nullptr, reinterpret_cast<void**>(&menu));
  if (FAILED(got) || !menu) RaiseSysError(static_cast<DWORD>(FAILED(got) ? got : E_FAIL));
  HRESULT result = E_FAIL;
  try {
    result = InvokeContextMenuVerb(owner, menu, verb);
  } catch (...) {
    menu->Release();
    throw;
  }
  menu->Release();
  RefreshContents();
  return result;
}

void TNavCustomShellTree::DoNodeContextMenu(TTreeNode* node, TPoint point, TPopupMenu*& menu) {
  if (!HasOption(navstoContextMenus) || Designing() || !node) {
    inherited::DoNodeContextMenu(node, point, menu);
    return;
  }
  // The shell's menu takes the place of the control's own.
  menu = nullptr;
  ShowContextMenu(node, point);
}

void TNavCustomShellTree::ShowContextMenu(TTreeNode* node, TPoint point) {
  TNavShTreeData* data = NodeData(node);
  if (!data || !data->GetParent() || IsDesktopPidl(data->AbsIdList())) return;
  IShellFolder* parent = data->ParentFolder();
  if (!parent) return;
  UINT flags = CMF_EXPLORE;
  if (!GetReadOnly()) flags |= CMF_CANRENAME;
  LPCITEMIDLIST one[1] = {data->GetRelIdList()};
  IContextMenu* menu = nullptr;
  HMENU handle = nullptr;
  const HWND owner = OwnerWindow();
  if (FAILED(GetContextMenuOf(owner, parent, 1, one, &menu, handle, flags, kNavFirstShellCommand))) return;
  int command = 0;
  {
    struct TMenuEnd {
      TNavCustomShellTree* tree;
      ~TMenuEnd() {
        tree->FBusy = false;
        tree->FContextMenu = nullptr;
      }
    } end{this};
    FContextMenu = menu;
    FBusy = true;
    const TPoint screen = ClientToScreen(point);
    command = TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.X, screen.Y, 0, GetHandle(), nullptr);
  }
  DestroyMenu(handle);
  try {
    if (command == static_cast<int>(kTreeRenameCommand)) {
      node->EditText();
    } else if (command >= static_cast<int>(kNavFirstShellCommand)) {
      InvokeContextMenuVerb(owner, menu, static_cast<UINT>(command) - kNavFirstShellCommand);
      menu->Release();
      menu = nullptr;
      RefreshContents();
    } else if (command >= 1) {
      SendTo(node, command - 1);
    }
  } catch (...) {
    if (menu) menu->Release();
    throw;
  }
  if (menu) menu->Release();
  // Notices that came while the menu was open are not lost.
  if (FRefreshDeferred) RefreshContents();
}

void TNavCustomShellTree::WMMenuMessage(TMessage& m) {
  InheritedMessage(m);
  IContextMenu* menu = FContextMenu;
  if (!menu) return;
  switch (m.Msg) {
    case WM_INITMENUPOPUP: HandleInitMenuPopup(m, menu); break;
    case WM_DRAWITEM: HandleDrawItem(m, menu, FImages ? FImages->GetHandle() : nullptr); break;
    case WM_MEASUREITEM: HandleMeasureItem(m, menu); break;
    case WM_MENUCHAR: HandleMenuChar(m, menu); break;
    case WM_MENUSELECT: HandleMenuSelect(m, menu, this, OnPopupHint); break;
    default: break;
  }
}

void TNavCustomShellTree::SendTo(TTreeNode* node, int index) {
  TStringList* entries = GetSendToList();
  if (!entries || index < 0 || index >= entries->GetCount()) return;
  auto* object = new TDataObject_shtv(NodeData(node));
  IDataObject* data = nullptr;
  object->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&data));
  try {
    SendToDrop(entries->GetStrings(index), data);
  } catch (...) {
    data->Release();
    throw;
  }
  data->Release();
}

// ---- renaming

bool TNavCustomShellTree::CanEdit(TTreeNode* node) {
  TNavShTreeData* data = NodeData(node);
  if (!data) return inherited::CanEdit(node);
  return node != TopNode() && !IsDesktopPidl(data->AbsIdList()) && data->CanRename() && inherited::CanEdit(node) &&
         !Designing();
}

void TNavCustomShellTree::Edit(const TVITEMA& item) {
  TTreeNode* node = reinterpret_cast<TTreeNode*>(item.lParam);
  TNavShTreeData* data = NodeData(node);
  IShellFolder* parent = data ? data->ParentFolder() : nullptr;
  if (!data || !item.pszText || !parent) {
    inherited::Edit(item);
    return;
  }
  std::string text = item.pszText;
  if (OnEdited) OnEdited(this, node, text);
  {
    TNavHourglass hourglass;
    TNesting hold(FUpdateNesting);
    std::wstring wide = navshell::ToWide(text);
    if (wide.size() > kTreeMaxNameLength) wide.resize(kTreeMaxNameLength);
    LPITEMIDLIST renamed = nullptr;
    const HRESULT result = parent->SetNameOf(OwnerWindow(), data->GetRelIdList(),
                                             reinterpret_cast<LPCOLESTR>(wide.c_str()), kTreeSetNameFlags, &renamed);
    if (SUCCEEDED(result) && renamed) {
      // Only a rename that happened on disk has a notice of its own to
      // swallow; a failed one must leave the next outside change heard.
      FSelfCaused = FChangeThread != nullptr && HasOption(navstoDynamicRefresh);
      // Every node below names its folder through this one: their lists and
      // their bound folders are made again from the new name.
      TreeForEachDescendant(node, [this](TTreeNode* below) {
        if (TNavShTreeData* belowData = NodeData(below)) belowData->Invalidate();
      });
      data->SetRelIdList(renamed);
      ShellFree(renamed);
      node->SetText(text);
      // The selection, when it is this folder or lies below it, now has
      // another path; the linked controls go with it.
      TTreeNode* selected = GetSelected();
      TNavShTreeData* selectedData = NodeData(selected);
      if (selectedData && (selected == node || selected->HasAsParent(node))) {
        FSelectedFolder->SetPidl(selectedData->AbsIdList());
        if (FShellList) FShellList->SetFolder(FSelectedFolder.get());
        if (FShellCombo) FShellCombo->GetLocator()->SetPidl(selectedData->AbsIdList());
      }
    } else if (renamed) {
      ShellFree(renamed);
    }
  }
  UpdateWatches();
  if (FRefreshDeferred) Defer(false);
}

// ---- moving

void TNavCustomShellTree::GoUp(int levels) {
  TTreeNode* node = GetSelected();
  if (!node || !node->GetParent()) return;
  for (int i = 0; i < levels && node->GetParent(); ++i) node = node->GetParent();
  FSelectAtOnce = true;
  node->SetSelected(true);
  FSelectAtOnce = false;
}

bool TNavCustomShellTree::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (inherited::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  // The wheel scrolls the shell control under the pointer, not the focused one.
  const POINT screen{mousePos.X, mousePos.Y};
  TWinControl* under = FindControl(WindowFromPoint(screen));
  if (under && under != this &&
      (dynamic_cast<TNavCustomShellList*>(under) || dynamic_cast<TNavCustomShellTree*>(under))) {
    WPARAM keys = 0;
    if (shift.Contains(ssShift)) keys |= MK_SHIFT;
    if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
    return SendMessageA(under->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(wheelDelta)),
                        MAKELPARAM(mousePos.X, mousePos.Y)) != 0;
  }
  const bool down = wheelDelta < 0;
  const int notches = std::max(1, std::abs(wheelDelta) / WHEEL_DELTA);
  for (int i = 0; i < notches; ++i)
    WheelScroll(this, nsbVertical, down ? SB_LINEDOWN : SB_LINEUP, down ? SB_PAGEDOWN : SB_PAGEUP);
  return true;
}
