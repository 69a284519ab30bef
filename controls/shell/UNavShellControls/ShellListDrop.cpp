// The shell list in OLE drag and drop: its selection dragged out, and the
// list as a drop target whose items and folder take what is dropped.
#include <stdexcept>

#include "controls/shell/UNavShellControls/PidlUIObjects.h"
#include "controls/shell/UNavShellControls/ShellControlConsts.h"
#include "controls/shell/UNavShellControls/ShellDragDrop.h"
#include "controls/shell/UNavShellControls/ShellList.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils/IdLists.h"

void TNavCustomShellList::CNNotify(TMessage& m) {
  const auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  if (!header || (header->code != LVN_BEGINDRAG && header->code != LVN_BEGINRDRAG)) {
    InheritedMessage(m);
    return;
  }
  SetDragBegun(true);
  if (HasOption(navsloOleDrag)) BeginOleDrag(header->code == LVN_BEGINRDRAG);
}

void TNavCustomShellList::WMRButtonUp(TMessage& m) {
  // After a drag with the right button the class library must not show its
  // own popup menu on the release.
  if (FDragStarted)
    DefaultHandler(m);
  else
    InheritedMessage(m);
}

DWORD TNavCustomShellList::AllowedDragEffects() {
  std::vector<LPCITEMIDLIST> dragged;
  if (GetSelCount() == 1) {
    if (TNavShListData* data = SelectedItemData()) dragged.push_back(data->GetRelIdList());
  } else {
    for (LPCITEMIDLIST list : GetSelectedRelIdLists())
      if (list) dragged.push_back(list);
  }
  if (dragged.empty() || !FShellFolder) return 0;
  SFGAOF attributes = SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANLINK;
  const HRESULT result = FShellFolder->GetAttributesOf(static_cast<UINT>(dragged.size()), dragged.data(), &attributes);
  if (FAILED(result)) RaiseSysError(static_cast<DWORD>(result));
  return attributes & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
}

void TNavCustomShellList::BeginOleDrag(bool rightButton) {
  FDragging = true;
  FDragStarted = true;
  bool dropped = false;
  try {
    const DWORD allowed = AllowedDragEffects();
    dropped = RunOleDrag(new TDataObject_shlv(*this), allowed, rightButton, FDragDataObject);
  } catch (...) {
    FDragging = false;
    FRefreshDeferred = false;
    throw;
  }
  const bool changed = dropped || FRefreshDeferred;
  FDragging = false;
  FRefreshDeferred = false;
  if (changed) {
    RefreshContents();
    SortItems();
  }
}

IDropTarget* TNavCustomShellList::FolderDropTarget() {
  IDropTarget* target = nullptr;
  if (IsDesktopPidl(FFolderIdList)) {
    if (FAILED(GetDesktopDropTarget(&target))) return nullptr;
  } else if (FAILED(GetUIObjectOfPidl(FFolderIdList, IID_IDropTarget, reinterpret_cast<void**>(&target)))) {
    return nullptr;
  }
  return target;
}

IDropTarget* TNavCustomShellList::DropTargetAt(POINTL screen, DWORD keyState, TListItem*& item,
                                               bool& copyWithoutTarget) {
  item = nullptr;
  copyWithoutTarget = false;
  const TPoint client = ScreenToClient(TPoint(screen.x, screen.y));
  TListItem* under = GetItemAt(client.X, client.Y);
  if (under) {
    if (!ItemData(under)) {
      copyWithoutTarget = true;
      return nullptr;
    }
    IDropTarget* target = nullptr;
    if (SUCCEEDED(GetUIObjectOfItem(under, IID_IDropTarget, reinterpret_cast<void**>(&target))) && target) {
      item = under;
      return target;
    }
    return FolderDropTarget();
  }
  if (FDragging) {
    // The list's own items over its own empty space: only a copy with the
    // right button makes sense there.
    copyWithoutTarget = (keyState & MK_RBUTTON) != 0;
    return nullptr;
  }
  return FolderDropTarget();
}

void TNavCustomShellList::SetDropHighlight(TListItem* item) {
  if (item == FDropHighlight) return;
  if (FDropHighlight) FDropHighlight->SetDropTarget(false);
  FDropHighlight = item;
  if (item) item->SetDropTarget(true);
  if (HandleAllocated()) Update();
}

HRESULT TNavCustomShellList::DragEnter(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) {
  FEntered.Enter(data, keyState);
  TListItem* item = nullptr;
  bool copyWithoutTarget = false;
  TNavReleased<IDropTarget> target(DropTargetAt(point, keyState, item, copyWithoutTarget));
  effect = target.object ? ProbeDropEnter(target.object, data, keyState, point, effect) : DROPEFFECT_NONE;
  SetDropHighlight(effect != DROPEFFECT_NONE ? item : nullptr);
  return S_OK;
}

HRESULT TNavCustomShellList::DragOver(DWORD keyState, POINTL point, DWORD& effect) {
  TListItem* item = nullptr;
  bool copyWithoutTarget = false;
  TNavReleased<IDropTarget> target(DropTargetAt(point, keyState, item, copyWithoutTarget));
  if (target.object)
    effect = ProbeDropOver(target.object, FEntered.Data(), keyState, point, effect);
  else
    effect = copyWithoutTarget ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  SetDropHighlight(effect != DROPEFFECT_NONE ? item : nullptr);
  FEntered.AutoScroll(this, point);
  effect |= DROPEFFECT_SCROLL;
  return S_OK;
}

HRESULT TNavCustomShellList::DragLeave() {
  FEntered.Leave();
  SetDropHighlight(nullptr);
  return S_OK;
}

HRESULT TNavCustomShellList::Drop(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) {
  TListItem* item = nullptr;
  bool copyWithoutTarget = false;
  TNavReleased<IDropTarget> target;
  const TPoint client = ScreenToClient(TPoint(point.x, point.y));
  if (FDragging && !GetItemAt(client.X, client.Y)) {
    // Dropped back onto the list's own empty space: a copy beside the
    // originals with the right button, nothing with the left.
    if (FEntered.KeyState() & MK_RBUTTON) {
      effect &= ~static_cast<DWORD>(DROPEFFECT_MOVE);
      target.object = FolderDropTarget();
    }
  } else {
    target.object = DropTargetAt(point, keyState, item, copyWithoutTarget);
  }
  HRESULT result = S_OK;
  if (target.object) {
    result = DropOnTarget(target.object, data, FEntered.DropKeys(keyState), point, effect);
    if (InNetworkFolder()) RefreshContents();
  } else {
    effect = DROPEFFECT_NONE;
  }
  SetDropHighlight(nullptr);
  FEntered.Leave();
  return result;
}
