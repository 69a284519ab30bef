// The shell tree's OLE drag and drop: dragging a node out, and drops on a
// folder node passed to that folder's own drop target.
#include "controls/shell/UNavShellControls/DataObjects.h"
#include "controls/shell/UNavShellControls/DropEffects.h"
#include "controls/shell/UNavShellControls/DropSource.h"
#include "controls/shell/UNavShellControls/ScrollHelpers.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils/IdListArray.h"
#include "controls/shell/UNavShellUtils/ShellItems.h"

namespace {

constexpr DWORD kTreeAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
constexpr DWORD kTreeDropButtons = MK_LBUTTON | MK_RBUTTON;
constexpr DWORD kTreeScrollStep = 100;
constexpr int kTreeHorizontalScrollMargin = 26;
constexpr int kTreeVerticalScrollMargin = 20;

// A reference released when the scope ends.
template <class T>
struct TTreeReleased {
  T* object = nullptr;
  ~TTreeReleased() {
    if (object) object->Release();
  }
};

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
  TNavIdListArray items(data->AbsIdList());
  if (items.GetCount() == 0) return kTreeAllEffects;
  LPITEMIDLIST parentList = CopyPidl(nullptr, items.Ancestor(1));
  LPITEMIDLIST last = CopyPidl(nullptr, items.Item(items.GetCount() - 1));
  IShellFolder* folder = nullptr;
  DWORD effects = kTreeAllEffects;
  if (SUCCEEDED(GetShellFolder(parentList, &folder)) && folder) {
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
  bool changed = false;
  IDropSource* source = nullptr;
  try {
    auto* object = new TDataObject_shtv(data);
    object->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&FDragDataObject));
    const DWORD allowed = AllowedDragEffects(node);
    auto* dropSource = new TDropSource_shlvtv(rightButton ? dbRight : dbLeft);
    dropSource->QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&source));
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(FDragDataObject, source, allowed, &effect);
    changed = result == DRAGDROP_S_DROP || FRefreshDeferred;
  } catch (...) {
    FBusy = false;
    FRefreshDeferred = false;
    if (source) source->Release();
    if (FDragDataObject) FDragDataObject->Release();
    FDragDataObject = nullptr;
    throw;
  }
  FBusy = false;
  FRefreshDeferred = false;
  source->Release();
  FDragDataObject->Release();
  FDragDataObject = nullptr;
  if (changed) RefreshContents();
}

void TNavCustomShellTree::RegisterDropTarget() {
  if (FDropTarget || !HandleAllocated()) return;
  auto* target = new TDropTarget_shtv(this);
  target->AddRef();
  if (FAILED(RegisterDragDrop(GetHandle(), target))) {
    target->Release();
    return;
  }
  FDropTarget = target;
}

void TNavCustomShellTree::RevokeDropTarget() {
  if (!FDropTarget) return;
  if (HandleAllocated()) RevokeDragDrop(GetHandle());
  FDropTarget->Release();
  FDropTarget = nullptr;
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

void TNavCustomShellTree::AutoScroll(POINTL point) {
  const DWORD now = GetTickCount();
  if (now - FLastScrollTick <= kTreeScrollStep || !HandleAllocated()) return;
  const TPoint client = ScreenToClient(TPoint(point.x, point.y));
  const TRect area = GetClientRect();
  if (client.X < kTreeHorizontalScrollMargin)
    ScrollIfPossible(this, nsbHorizontal, SB_LINELEFT);
  else if (client.X > area.Right - kTreeHorizontalScrollMargin)
    ScrollIfPossible(this, nsbHorizontal, SB_LINERIGHT);
  if (client.Y < kTreeVerticalScrollMargin)
    ScrollIfPossible(this, nsbVertical, SB_LINEUP);
  else if (client.Y > area.Bottom - kTreeVerticalScrollMargin)
    ScrollIfPossible(this, nsbVertical, SB_LINEDOWN);
  FLastScrollTick = now;
}

HRESULT TNavCustomShellTree::DragEnter(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) {
  FLastScrollTick = GetTickCount();
  if (data) data->AddRef();
  if (FEnteredData) FEnteredData->Release();
  FEnteredData = data;
  FDragKeyState = keyState;
  TTreeNode* node = NodeAtScreen(point);
  TNavShTreeData* nodeData = NodeData(node);
  if (!nodeData || node == TopNode()) {
    SetDropHighlight(FDragNode);
    effect = DROPEFFECT_NONE;
    return S_OK;
  }
  TTreeReleased<IDropTarget> target;
  if (FAILED(nodeData->GetDropTarget(OwnerWindow(), &target.object)) || !target.object) {
    effect = DROPEFFECT_NONE;
    return S_OK;
  }
  DWORD answer = effect;
  target.object->DragEnter(data, keyState, point, &answer);
  target.object->DragLeave();
  effect = answer;
  SetDropHighlight(node);
  return S_OK;
}

HRESULT TNavCustomShellTree::DragOver(DWORD keyState, POINTL point, DWORD& effect) {
  TTreeNode* node = NodeAtScreen(point);
  TNavShTreeData* nodeData = NodeData(node);
  if (nodeData) {
    SetDropHighlight(node);
    TTreeReleased<IDropTarget> target;
    if (SUCCEEDED(nodeData->GetDropTarget(OwnerWindow(), &target.object)) && target.object) {
      DWORD scratch = effect;
      target.object->DragEnter(FEnteredData, keyState, point, &scratch);
      DWORD answer = effect;
      target.object->DragOver(keyState, point, &answer);
      target.object->DragLeave();
      effect = answer;
    } else {
      effect = DROPEFFECT_NONE;
    }
  } else {
    effect = DROPEFFECT_NONE;
    SetDropHighlight(FDragNode);
  }
  AutoScroll(point);
  effect |= DROPEFFECT_SCROLL;
  return S_OK;
}

HRESULT TNavCustomShellTree::DragLeave() {
  if (FEnteredData) FEnteredData->Release();
  FEnteredData = nullptr;
  SetDropHighlight(nullptr);
  return S_OK;
}

HRESULT TNavCustomShellTree::Drop(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) {
  TTreeNode* node = NodeAtScreen(point);
  TNavShTreeData* nodeData = NodeData(node);
  TTreeReleased<IDropTarget> target;
  HRESULT result = S_OK;
  if (nodeData && SUCCEEDED(nodeData->GetDropTarget(OwnerWindow(), &target.object)) && target.object) {
    const DWORD keys = keyState | (FDragKeyState & kTreeDropButtons);
    DWORD scratch = effect;
    target.object->DragEnter(data, keys, point, &scratch);
    scratch = effect;
    target.object->DragOver(keys, point, &scratch);
    effect &= GetAllowedDropEffects(data);
    result = target.object->Drop(data, keys, point, &effect);
    RefreshContents();
  } else {
    effect = DROPEFFECT_NONE;
  }
  SetDropHighlight(nullptr);
  if (FEnteredData) FEnteredData->Release();
  FEnteredData = nullptr;
  return result;
}
