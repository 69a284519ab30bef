// The shell tree's OLE drag and drop: dragging a node out, and drops on a
// folder node passed to that folder's own drop target.
#include "controls/shell/UNavShellControls/PidlUIObjects.h"
#include "controls/shell/UNavShellControls/ShellControlConsts.h"
#include "controls/shell/UNavShellControls/ShellDragDrop.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellUtils/IdLists.h"

namespace {

constexpr DWORD kTreeAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

}  // namespace

DWORD TNavCustomShellTree::AllowedDragEffects(TTreeNode* node) {
  TNavShTreeData* data = NodeData(node);
  if (!data) return kTreeAllEffects;
  SFGAOF attributes = SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANLINK;
  if (IShellFolder* parent = data->ParentFolder()) {
    LPCITEMIDLIST one[1] = {data->GetRelIdList()};
    if (FAILED(parent->GetAttributesOf(1, one, &attributes))) return kTreeAllEffects;
    return attributes & kTreeAllEffects;
  }
  // The top node: asked in the folder that holds the base folder.
  if (IsDesktopPidl(data->AbsIdList())) return kTreeAllEffects;
  IShellFolder* folder = nullptr;
  LPITEMIDLIST parentList = nullptr;
  LPITEMIDLIST last = nullptr;
  DWORD effects = kTreeAllEffects;
  if (SUCCEEDED(SplitPidl(data->AbsIdList(), &folder, &parentList, &last)) && folder) {
    LPCITEMIDLIST one[1] = {last};
    if (SUCCEEDED(folder->GetAttributesOf(1, one, &attributes))) effects = attributes & kTreeAllEffects;
    folder->Release();
  }
  ShellFree(parentList);
  ShellFree(last);
  return effects;
}

void TNavCustomShellTree::BeginOleDrag(bool rightButton) {
  TTreeNode* node = FDragNode;
  TNavShTreeData* data = NodeData(node);
  if (!data) return;
  FBusy = true;
  bool dropped = false;
  try {
    const DWORD allowed = AllowedDragEffects(node);
    dropped = RunOleDrag(new TDataObject_shtv(data), allowed, rightButton, FDragDataObject);
  } catch (...) {
    FBusy = false;
    FRefreshDeferred = false;
    throw;
  }
  const bool changed = dropped || FRefreshDeferred;
  FBusy = false;
  FRefreshDeferred = false;
  if (changed) RefreshContents();
}

TTreeNode* TNavCustomShellTree::NodeAtScreen(POINTL point) {
  if (!HandleAllocated()) return nullptr;
  const TPoint client = ScreenToClient(TPoint(point.x, point.y));
  return GetNodeAt(client.X, client.Y);
}

void TNavCustomShellTree::SetDropHighlight(TTreeNode* node) {
  if (GetDropTarget() == node) return;
  SetDropTarget(node);
  if (HandleAllocated()) Update();
}

IDropTarget* TNavCustomShellTree::NodeDropTarget(TTreeNode* node) {
  TNavShTreeData* data = NodeData(node);
  IDropTarget* target = nullptr;
  if (!data || FAILED(data->GetDropTarget(OwnerWindow(), &target))) return nullptr;
  return target;
}

HRESULT TNavCustomShellTree::DragEnter(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) {
  FEntered.Enter(data, keyState);
  TTreeNode* node = NodeAtScreen(point);
  if (!NodeData(node) || node == TopNode()) {
    SetDropHighlight(FDragNode);
    effect = DROPEFFECT_NONE;
    return S_OK;
  }
  TNavReleased<IDropTarget> target(NodeDropTarget(node));
  if (!target.object) {
    effect = DROPEFFECT_NONE;
    return S_OK;
  }
  effect = ProbeDropEnter(target.object, data, keyState, point, effect);
  SetDropHighlight(node);
  return S_OK;
}

HRESULT TNavCustomShellTree::DragOver(DWORD keyState, POINTL point, DWORD& effect) {
  TTreeNode* node = NodeAtScreen(point);
  if (NodeData(node)) {
    SetDropHighlight(node);
    TNavReleased<IDropTarget> target(NodeDropTarget(node));
    effect = target.object ? ProbeDropOver(target.object, FEntered.Data(), keyState, point, effect) : DROPEFFECT_NONE;
  } else {
    effect = DROPEFFECT_NONE;
    SetDropHighlight(FDragNode);
  }
  FEntered.AutoScroll(this, point);
  effect |= DROPEFFECT_SCROLL;
  return S_OK;
}

HRESULT TNavCustomShellTree::DragLeave() {
  FEntered.Leave();
  SetDropHighlight(nullptr);
  return S_OK;
}

HRESULT TNavCustomShellTree::Drop(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) {
  TNavReleased<IDropTarget> target(NodeDropTarget(NodeAtScreen(point)));
  HRESULT result = S_OK;
  if (target.object) {
    result = DropOnTarget(target.object, data, FEntered.DropKeys(keyState), point, effect);
    RefreshContents();
  } else {
    effect = DROPEFFECT_NONE;
  }
  SetDropHighlight(nullptr);
  FEntered.Leave();
  return result;
}
