// The shell tree's commands: the default keys, the shell's verbs and context
// menu with Send To, renaming, going up, the mouse wheel and the tree view's
// notifications that start them.
#include <functional>

#include "controls/shell/UNavShellControls/ContextMenus.h"
#include "controls/shell/UNavShellControls/DataObjects.h"
#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellControls/ShellItemCommands.h"
#include "controls/shell/UNavShellControls/ShellMenuCommands.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellControls/ShellTreeParts.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/vcl/Menus.h"

using navshelltree::TNesting;

namespace {

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
  TNavShellControlDefKey which;
  if (!MatchDefaultKey(key, shift, which)) return;
  TTreeNode* selected = GetSelected();
  switch (which) {
    case dkRename:
      if (selected) selected->EditText();
      break;
    case dkRefresh: RefreshContents(); break;
    case dkCopy: InvokeVerb(selected, "copy"); break;
    case dkCut: InvokeVerb(selected, "cut"); break;
    case dkPaste:
      InvokeVerb(selected, "paste");
      RefreshContents();
      break;
    case dkDelete:
      InvokeVerb(selected, "delete");
      RefreshContents();
      break;
    // Selecting everything means nothing in a tree.
    case dkSelectAll: return;
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
  const HRESULT result = InvokeVerbAndRelease(owner, menu, verb);
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
    TNavShownMenu shown(FContextMenu, menu, handle);
    FBusy = true;
    command = shown.Track(this, point);
    FBusy = false;
    if (shown.Run(
            command, owner, [node] { node->EditText(); }, [this, node](int index) { SendTo(node, index); }))
      RefreshContents();
  }
  // Notices that came while the menu was open are not lost.
  if (FRefreshDeferred) RefreshContents();
}

void TNavCustomShellTree::WMMenuMessage(TMessage& m) {
  InheritedMessage(m);
  ForwardShellMenuMessage(m, FContextMenu, FImages.get(), this, OnPopupHint);
}

void TNavCustomShellTree::SendTo(TTreeNode* node, int index) {
  SendToEntry(index, [this, node] { return new TDataObject_shtv(NodeData(node)); });
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
    TNesting hold(FUpdateNesting);
    if (LPITEMIDLIST renamed = RenameShellItem(parent, OwnerWindow(), data->GetRelIdList(), text)) {
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
  SelectNode(node);
  FSelectAtOnce = false;
}

bool TNavCustomShellTree::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (inherited::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  // The wheel scrolls the shell control under the pointer, not the focused
  // one.
  return ShellControlWheel(this, shift, wheelDelta, mousePos, nsbVertical);
}
