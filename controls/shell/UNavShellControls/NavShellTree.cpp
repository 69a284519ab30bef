// TNavShellTree's setters: the base folder, the link to a shell list, and
// options that switch OLE drop, the drag style and the watching of a tree
// whose window exists.
#include "controls/shell/UNavShellControls/ShellTree.h"

void SetWindowStyleBits(HWND window, DWORD bits, bool set) {
  if (!window) return;
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const DWORD wanted = set ? style | bits : style & ~bits;
  if (wanted != style) SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(wanted));
}

void TNavShellTree::SetBaseFolder(TNavShellLocator* value) {
  if (GetComponentState().Contains(csLoading)) return;
  GetBaseFolder()->Assign(value);
}

void TNavShellTree::SetShellList(TNavCustomShellList* list) {
  if (FShellList && FShellList != list) {
    if (FShellList->GetShellTree() == this) FShellList->SetShellTree(nullptr);
    FShellList->RemoveFreeNotification(this);
  }
  FShellList = list;
  if (!list) return;
  list->SetShellTree(this);
  list->FreeNotification(this);
  list->SetFolder(GetSelectedFolder());
}

void TNavShellTree::SetOptions(TNavShellTreeOptions value) {
  const TNavShellTreeOptions old = GetOptions();
  TNavCustomShellTree::SetOptions(value);
  if (!HandleAllocated()) return;
  const TNavShellTreeOptions changed = old ^ value;
  if (changed & NavSto(navstoOleDrop)) {
    if (HasOption(navstoOleDrop))
      FDropRegistration.Register<TDropTarget_shtv>(this, this);
    else
      FDropRegistration.Revoke(this);
  }
  SetWindowStyleBits(GetHandle(), TVS_DISABLEDRAGDROP, !(HasOption(navstoOleDrag) || GetDragMode() == dmAutomatic));
  if ((changed & NavSto(navstoDynamicRefresh)) && !GetComponentState().Contains(csDesigning)) {
    if (HasOption(navstoDynamicRefresh)) {
      StartChangeWatch();
    } else if (FChangeThread) {
      FChangeThread->ClearWatches();
      FWatched.clear();
    }
  }
}

void TNavShellTree::Publish(TPublisher<TNavShellTree>& p) {
  p.Prop("BaseFolder", &TNavShellTree::GetBaseFolder, &TNavShellTree::SetBaseFolder);
  p.Prop("ShellList", &TNavShellTree::GetShellList, &TNavShellTree::SetShellList);
  p.Prop("Options", &TNavShellTree::GetOptionSet, &TNavShellTree::SetOptionSet)
      .Default(TNavShellTreeOptionSet::FromBits(kNavShellTreeDefaultOptions));
  p.Prop("OnNodeContextMenu", &TNavShellTree::OnNodeContextMenu);
  p.Prop("OnAddItem", &TNavShellTree::OnAddItem);
  p.Prop("OnDeleteItem", &TNavShellTree::OnDeleteItem);
  p.Prop("OnInsertItem", &TNavShellTree::OnInsertItem);
  p.Prop("OnPopupHint", &TNavShellTree::OnPopupHint);
  p.Prop("OnCustomDrawSh", &TNavShellTree::OnCustomDrawSh);
  p.Prop("OnCustomDrawShEx", &TNavShellTree::OnCustomDrawShEx);
  p.Prop("OnFillComplete", &TNavShellTree::OnFillComplete);
  p.Prop("OnFillStart", &TNavShellTree::OnFillStart);
}
