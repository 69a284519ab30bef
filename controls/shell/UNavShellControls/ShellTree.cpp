#include "controls/shell/UNavShellControls/ShellTree.h"

#include <algorithm>
#include <utility>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellControls/ContextMenus.h"
#include "controls/shell/UNavShellControls/FolderDiff.h"
#include "controls/shell/UNavShellControls/Hourglass.h"
#include "controls/shell/UNavShellControls/PidlUIObjects.h"
#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellControls/ShellTreeParts.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils.h"

using navshelltree::TNesting;

namespace {

constexpr SFGAOF kTreeAddMask = SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_FILESYSANCESTOR |
                                SFGAO_REMOVABLE | SFGAO_GHOSTED | SFGAO_SHARE | SFGAO_LINK;
constexpr HRESULT kTreeNoMoreItems = static_cast<HRESULT>(0x80070103);
constexpr int kTreeSharedOverlay = 0;
constexpr int kTreeLinkOverlay = 1;
constexpr int kTreeTagSelection = 1;
constexpr int kTreeTagRefresh = 2;

[[noreturn]] void TreeRaiseFor(HRESULT result) {
  RaiseSysError(static_cast<DWORD>(result));
}

int TreeShortCode(HRESULT result) {
  return static_cast<short>(HRESULT_CODE(result) & 0xFFFF);
}

}  // namespace

void TNavCustomShellTree::Messages(TMessageMap<TNavCustomShellTree>& m) {
  m.On(CN_NOTIFY, &TNavCustomShellTree::CNNotify);
  m.On(WM_FOLDERCONTENTSCHANGED, &TNavCustomShellTree::WMFolderContentsChanged);
  m.On(WM_DEFERREDFILL, &TNavCustomShellTree::WMDeferredFill);
  m.On(WM_NCDESTROY, &TNavCustomShellTree::WMNCDestroy);
  m.On(WM_PAINT, &TNavCustomShellTree::WMPaint);
  m.On(CM_WANTSPECIALKEY, &TNavCustomShellTree::CMWantSpecialKey);
  m.On(CM_DESIGNHITTEST, &TNavCustomShellTree::CMDesignHitTest);
  for (UINT message : {WM_INITMENUPOPUP, WM_DRAWITEM, WM_MEASUREITEM, WM_MENUCHAR, WM_MENUSELECT})
    m.On(message, &TNavCustomShellTree::WMMenuMessage);
}

TNavCustomShellTree::TNavCustomShellTree(TComponent* AOwner)
    : TNavCustomTreeView(AOwner),
      FBaseFolder(std::make_unique<TNavShellLocator>()),
      FSelectedFolder(std::make_unique<TNavShellLocator>()) {
  FRefreshTimer = std::make_unique<TTimer>(nullptr);
  FRefreshTimer->SetEnabled(false);
  FRefreshTimer->OnTimer = [this](TObject* sender) { RefreshTimerTick(sender); };
  FBaseFolder->SetOnChange([this](TObject* sender) { BaseFolderChanged(sender); });
  FSelectedFolder->SetOnChange([this](TObject* sender) { SelectedFolderChanged(sender); });
  SetShowRoot(false);
  // The system's list: freeing ours must leave it alone.
  FImages = std::make_unique<TCustomImageList>(nullptr, 16, 16);
  FImages->SetShareImages(true);
  FImages->SetHandle(GetSystemImageList(isSmall));
  SetImages(FImages.get());
  DeviceChangeHandler()->RegisterMethod<&TNavCustomShellTree::DeviceChange>(this);
}

TNavCustomShellTree::~TNavCustomShellTree() {
  DeviceChangeHandler()->UnregisterMethod<&TNavCustomShellTree::DeviceChange>(this);
  FRefreshTimer.reset();
  FChangeThread.reset();
  if (FShellList && FShellList->GetShellTree() == this) FShellList->SetShellTree(nullptr);
  if (FShellCombo) FShellCombo->SetShellTree(nullptr);
  FDropRegistration.Revoke(this);
  FEntered.Leave();
  {
    // The nodes' data is this class's to free, while it still answers Delete.
    TNesting hold(FUpdateNesting);
    GetItems()->Clear();
  }
  DeleteAllNodes();
  SetImages(nullptr);
  FBaseFolder->SetOnChange(nullptr);
  FSelectedFolder->SetOnChange(nullptr);
}

bool TNavCustomShellTree::Loading() const {
  return GetComponentState().Contains(csLoading);
}

bool TNavCustomShellTree::Designing() const {
  return GetComponentState().Contains(csDesigning);
}

DWORD TNavCustomShellTree::EnumFlags() const {
  DWORD flags = SHCONTF_FOLDERS;
  if (HasOption(navstoIncludeNonFolders)) flags |= SHCONTF_NONFOLDERS;
  if (HasOption(navstoShowHidden)) flags |= SHCONTF_INCLUDEHIDDEN;
  return flags;
}

TNavShTreeData* TNavCustomShellTree::NodeData(TTreeNode* node) const {
  if (!node || !node->GetData()) return nullptr;
  return dynamic_cast<TNavShTreeData*>(static_cast<TObject*>(node->GetData()));
}

TTreeNode* TNavCustomShellTree::TopNode() const {
  for (TTreeNode* node = GetItems()->GetFirstNode(); node; node = node->GetNextSibling())
    if (NodeData(node)) return node;
  return nullptr;
}

void TNavCustomShellTree::SetSelectedFolder(TNavShellLocator* value) {
  if (Loading() || FUpdateNesting > 0) {
    if (FShellList) FShellList->SetFolder(FSelectedFolder.get());
    return;
  }
  FSelectedFolder->Assign(value);
}

void TNavCustomShellTree::SetShellCombo(TNavCustomShellCombo* combo) {
  if (FShellCombo == combo) return;
  if (FShellCombo) FShellCombo->RemoveFreeNotification(this);
  FShellCombo = combo;
  if (combo) combo->FreeNotification(this);
}

void TNavCustomShellTree::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FShellList) FShellList = nullptr;
  if (component == FShellCombo) FShellCombo = nullptr;
}

void TNavCustomShellTree::BaseFolderChanged(TObject*) {
  if (Loading()) return;
  {
    // The tree is built again around the new base: nothing to select now.
    TNesting hold(FUpdateNesting);
    FSelectedFolder->Clear();
  }
  if (HasOption(navstoAutoFill)) {
    FSelectAtOnce = true;
    Rebuild();
  }
}

void TNavCustomShellTree::SelectedFolderChanged(TObject*) {
  if (GetItems()->GetFirstNode()) SelectFolderPidl(FSelectedFolder->GetPidl());
}

void TNavCustomShellTree::DoFillComplete() {
  if (OnFillComplete) OnFillComplete(this);
}

void TNavCustomShellTree::DoFillStart() {
  if (OnFillStart) OnFillStart(this);
}

void TNavCustomShellTree::DoInsertItem(TTreeNode* node) {
  FLastInserted = node;
  if (OnInsertItem) OnInsertItem(this, node);
}

bool TNavCustomShellTree::CanAddItem(IShellFolder*, LPCITEMIDLIST parent, SFGAOF attributes, LPCITEMIDLIST relative) {
  bool allow = true;
  if (OnAddItem) OnAddItem(this, nullptr, parent, relative, attributes, allow);
  return allow;
}

// ---- filling

void TNavCustomShellTree::FillNode(IShellFolder* folder, TTreeNode* node) {
  DoFillStart();
  IMalloc* allocator = nullptr;
  HRESULT hr = SHGetMalloc(&allocator);
  if (FAILED(hr)) {
    DoFillComplete();
    TreeRaiseFor(hr);
  }
  LPITEMIDLIST absolute = nullptr;
  IEnumIDList* enumerator = nullptr;
  const bool makeTop = node == nullptr;
  auto cleanUp = [&] {
    if (enumerator) enumerator->Release();
    if (absolute) allocator->Free(absolute);
    allocator->Release();
    DoFillComplete();
  };
  try {
    if (node) {
      TNavShTreeData* data = NodeData(node);
      absolute = CopyPidl(allocator, data ? data->AbsIdList() : nullptr);
    } else {
      LPCITEMIDLIST base = FBaseFolder->GetPidl();
      absolute = IsDesktopPidl(base) ? nullptr : CopyPidl(allocator, base);
      TNavIdListArray items(absolute);
      std::string caption;
      if (items.GetCount() <= 1) {
        caption = GetDisplayName(nullptr, absolute, nkInFolder);
      } else {
        IShellFolder* parentFolder = nullptr;
        LPITEMIDLIST parent = nullptr;
        LPITEMIDLIST last = nullptr;
        if (SUCCEEDED(SplitPidl(absolute, &parentFolder, &parent, &last))) {
          caption = GetDisplayName(parentFolder, last, nkInFolder);
          parentFolder->Release();
        }
        ShellFree(parent);
        ShellFree(last);
      }
      auto data = std::make_unique<TNavShTreeData>(this);
      data->Init(nullptr, allocator, absolute);
      data->SetBoundFolder(folder);
      node = GetItems()->AddChildObject(nullptr, caption, data.release());
      node->SetImageIndex(GetIconIndex(absolute, SHGFI_SMALLICON));
      node->SetSelectedIndex(GetIconIndex(absolute, SHGFI_SMALLICON | SHGFI_OPENICON));
      DoInsertItem(node);
      // The top node is filled below; expanding it must not fill it again.
      node->SetHasChildren(true);
    }

    hr = folder->EnumObjects(GetActiveWindow(), EnumFlags(), &enumerator);
    if (FAILED(hr) || !enumerator) {
      // It can be expanded again later.
      node->SetHasChildren(true);
      cleanUp();
      return;
    }
    const int before = node->GetCount();
    for (;;) {
      LPITEMIDLIST item = nullptr;
      ULONG fetched = 0;
      hr = enumerator->Next(1, &item, &fetched);
      if (hr != S_OK || fetched != 1 || !item) break;
      HRESULT added = S_OK;
      try {
        added = AddChildNode(allocator, folder, item, node, absolute);
      } catch (...) {
        allocator->Free(item);
        throw;
      }
      allocator->Free(item);
      if (FAILED(added)) TreeRaiseFor(added);
    }
    if (hr != S_OK && hr != S_FALSE && hr != kTreeNoMoreItems) {
      if (hr == E_FAIL) {
        cleanUp();
        return;
      }
      TreeRaiseFor(hr);
    }
    if (node->GetCount() == before && before == 0) node->SetHasChildren(false);
    SortChildren(node);
    if (makeTop) node->Expand(false);
  } catch (...) {
    cleanUp();
    throw;
  }
  cleanUp();
}

HRESULT TNavCustomShellTree::AddChildNode(IMalloc* allocator, IShellFolder* folder, LPCITEMIDLIST relative,
                                          TTreeNode* parent, LPCITEMIDLIST parentAbsolute) {
  if (!relative) return S_OK;
  SFGAOF attributes = kTreeAddMask;
  LPCITEMIDLIST one[1] = {relative};
  const HRESULT hr = folder->GetAttributesOf(1, one, &attributes);
  if (FAILED(hr)) return hr;
  if (!HasOption(navstoVirtualFolders) && !(attributes & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR))) return S_OK;
  if (!CanAddItem(folder, parentAbsolute, attributes, relative)) return S_OK;
  const std::string caption = GetDisplayName(folder, relative, nkInFolder);
  auto data = std::make_unique<TNavShTreeData>(this);
  data->Init(NodeData(parent), allocator, relative);
  TTreeNode* node = GetItems()->AddChildObject(parent, caption, data.release());
  node->SetHasChildren(ShowsButton(attributes));
  if (attributes & SFGAO_SHARE)
    node->SetOverlayIndex(kTreeSharedOverlay);
  else if (attributes & SFGAO_LINK)
    node->SetOverlayIndex(kTreeLinkOverlay);
  if (attributes & SFGAO_GHOSTED) node->SetCut(true);
  DoInsertItem(node);
  return S_OK;
}

bool TNavCustomShellTree::ShowsButton(SFGAOF attributes) const {
  if (HasOption(navstoIncludeNonFolders)) return (attributes & (SFGAO_HASSUBFOLDER | SFGAO_FOLDER)) != 0;
  return (attributes & SFGAO_HASSUBFOLDER) && (attributes & SFGAO_FOLDER);
}

void TNavCustomShellTree::UpdateButton(TTreeNode* node) {
  TNavShTreeData* data = NodeData(node);
  IShellFolder* parent = data ? data->ParentFolder() : nullptr;
  if (!parent) return;
  SFGAOF attributes = SFGAO_HASSUBFOLDER | SFGAO_FOLDER;
  LPCITEMIDLIST one[1] = {data->GetRelIdList()};
  if (SUCCEEDED(parent->GetAttributesOf(1, one, &attributes))) node->SetHasChildren(ShowsButton(attributes));
}

int TNavCustomShellTree::CompareNodes(TTreeNode* node1, TTreeNode* node2) {
  TNavShTreeData* a = NodeData(node1);
  TNavShTreeData* b = NodeData(node2);
  if (!a || !b) return 0;
  IShellFolder* folder = a->ParentFolder();
  if (!folder) return 0;
  const HRESULT hr = folder->CompareIDs(0, a->GetRelIdList(), b->GetRelIdList());
  return FAILED(hr) ? 0 : TreeShortCode(hr);
}

void TNavCustomShellTree::SortChildren(TTreeNode* node) {
  if (node->GetCount() < 2) return;
  node->CustomSort([this](TTreeNode* a, TTreeNode* b, LPARAM) { return CompareNodes(a, b); }, 0, false);
}

bool TNavCustomShellTree::CanExpand(TTreeNode* node) {
  if (FExpansionBlocked != 0) return false;
  if (!inherited::CanExpand(node)) return false;
  FillOnExpand(node);
  return true;
}

void TNavCustomShellTree::FillOnExpand(TTreeNode* node) {
  if (node->GetCount() != 0 || !node->GetHasChildren()) return;
  TNavShTreeData* data = NodeData(node);
  if (!data) return;
  TNavHourglass hourglass;
  IShellFolder* folder = data->BoundFolder();
  if (folder) FillNode(folder, node);
}

void TNavCustomShellTree::Expand(TTreeNode* node) {
  inherited::Expand(node);
  UpdateWatches();
}

void TNavCustomShellTree::Collapse(TTreeNode* node) {
  inherited::Collapse(node);
  UpdateWatches();
}

void TNavCustomShellTree::GetImageIndex(TTreeNode* node) {
  if (node->GetImageIndex() == 0)
    if (TNavShTreeData* data = NodeData(node)) node->SetImageIndex(GetIconIndex(data->AbsIdList(), SHGFI_SMALLICON));
  inherited::GetImageIndex(node);
}

void TNavCustomShellTree::GetSelectedIndex(TTreeNode* node) {
  if (node->GetSelectedIndex() == 0)
    if (TNavShTreeData* data = NodeData(node))
      node->SetSelectedIndex(GetIconIndex(data->AbsIdList(), SHGFI_SMALLICON | SHGFI_OPENICON));
  inherited::GetSelectedIndex(node);
}

void TNavCustomShellTree::Delete(TTreeNode* node) {
  if (OnDeleteItem) OnDeleteItem(this, node);
  DeleteNodeData(node);
  if (node == FDragNode) FDragNode = nullptr;
  if (node == FLastInserted) FLastInserted = nullptr;
  inherited::Delete(node);
}

void TNavCustomShellTree::DeleteNodeData(TTreeNode* node) {
  TNavShTreeData* data = NodeData(node);
  if (!data) return;
  node->SetData(nullptr);
  delete data;
}

// ---- selecting

void TNavCustomShellTree::SelectFolderPidl(LPCITEMIDLIST target) {
  if (FUpdateNesting > 0) return;
  FSelectAtOnce = true;
  TTreeNodes* nodes = GetItems();
  nodes->BeginUpdate();
  try {
    LPITEMIDLIST wantedCopy = CopyPidl(nullptr, target);
    TNavIdListArray base(FBaseFolder->GetPidl());
    TNavIdListArray wanted(wantedCopy);
    TTreeNode* top = TopNode();
    TTreeNode* reached = top;
    try {
      if (top && wanted.GetCount() > 0 && wanted.GetCount() <= base.GetCount()) {
        top->Expand(false);
      } else if (top && wanted.GetCount() > base.GetCount()) {
        top->Expand(false);
        TTreeNode* node = top;
        for (int i = base.GetCount(); i < wanted.GetCount(); ++i) {
          TNavShTreeData* data = NodeData(node);
          IShellFolder* folder = data ? data->BoundFolder() : nullptr;
          if (!folder) {
            MessageBeep(static_cast<UINT>(-1));
            break;
          }
          // A level never listed is listed whole before a child is looked for.
          if (node->GetCount() == 0) FillNode(folder, node);
          LPITEMIDLIST item = CopyPidl(nullptr, wanted.Item(i));
          TTreeNode* found = nullptr;
          for (TTreeNode* child = node->GetFirstChild(); child && !found; child = child->GetNextSibling()) {
            TNavShTreeData* childData = NodeData(child);
            if (!childData) continue;
            const HRESULT hr = folder->CompareIDs(0, childData->GetRelIdList(), item);
            if (SUCCEEDED(hr) && TreeShortCode(hr) == 0) found = child;
          }
          // A step that is no longer there must not become a node.
          SFGAOF present = SFGAO_VALIDATE;
          LPCITEMIDLIST step[1] = {item};
          if (!found && SUCCEEDED(folder->GetAttributesOf(1, step, &present))) {
            FLastInserted = nullptr;
            if (SUCCEEDED(AddChildNode(ShellMalloc(), folder, item, node, data->AbsIdList())) && FLastInserted &&
                FLastInserted->GetParent() == node) {
              found = FLastInserted;
              SortChildren(node);
            }
          }
          ShellFree(item);
          if (!found) {
            MessageBeep(static_cast<UINT>(-1));
            break;
          }
          const bool last = i == wanted.GetCount() - 1;
          if (!last || (FShellList && FShellList->HasOption(navsloHideFoldersWhenLinkedToTree))) found->Expand(false);
          node = found;
          reached = found;
        }
      }
      if (reached) {
        SelectNode(reached);
        reached->MakeVisible();
      }
    } catch (...) {
      ShellFree(wantedCopy);
      throw;
    }
    ShellFree(wantedCopy);
  } catch (...) {
    FSelectAtOnce = false;
    nodes->EndUpdate();
    throw;
  }
  // The node may have been selected already: the next move is the user's.
  FSelectAtOnce = false;
  nodes->EndUpdate();
}

void TNavCustomShellTree::SelectNode(TTreeNode* node) {
  if (node->GetSelected()) return;
  node->SetSelected(true);
  // Without a window no notice tells of the new selection: the tree tells
  // itself, so that the selected folder and the linked list follow alike.
  if (!HandleAllocated()) Change(node);
}

void TNavCustomShellTree::Change(TTreeNode* node) {
  TNavShTreeData* data = NodeData(node);
  if (Loading() || FUpdateNesting > 0) {
    if (data) {
      TNesting hold(FUpdateNesting);
      FSelectedFolder->SetPidl(data->AbsIdList());
    }
    return;
  }
  inherited::Change(node);
  if (!data) return;
  if (FSelectAtOnce || !FShellList) {
    FPendingSelection = false;
    UpdateLinked(node);
    FSelectAtOnce = false;
  } else {
    FPendingSelection = true;
    StartTimer(kSelectionDelay, kTreeTagSelection);
  }
  UpdateWatches();
}

void TNavCustomShellTree::UpdateLinked(TTreeNode* node) {
  TNavShTreeData* data = NodeData(node);
  if (!data) return;
  TNesting hold(FUpdateNesting);
  FSelectedFolder->SetPidl(data->AbsIdList());
  if (FShellList && !Loading() && node == GetSelected()) FShellList->SetFolder(FSelectedFolder.get());
  if (FShellCombo) FShellCombo->TreeNodeChanged(node);
}

void TNavCustomShellTree::StartTimer(UINT interval, int tag) {
  FRefreshTimer->SetEnabled(false);
  FRefreshTimer->SetInterval(interval);
  FRefreshTimer->SetTag(tag);
  FRefreshTimer->SetEnabled(true);
}

void TNavCustomShellTree::RefreshTimerTick(TObject*) {
  FRefreshTimer->SetEnabled(false);
  if (FPendingSelection) {
    FPendingSelection = false;
    TTreeNode* node = GetSelected();
    if (NodeData(node)) UpdateLinked(node);
  }
  if (FPendingRefresh) {
    FPendingRefresh = false;
    RefreshContents();
  }
  FRefreshTimer->SetTag(0);
}

void TNavCustomShellTree::FlushPendingRefresh(bool linked) {
  if (linked) {
    if (FShellList) FShellList->FlushPendingRefresh(false);
    if (FShellCombo) FShellCombo->FlushPendingRefresh(false);
  }
  if (FRefreshTimer->GetEnabled()) RefreshTimerTick(nullptr);
}

bool TNavCustomShellTree::Busy() const {
  return FBusy || IsEditing();
}

void TNavCustomShellTree::Defer(bool rebuild) {
  FRefreshDeferred = true;
  if (rebuild) FRebuildDeferred = true;
  FPendingRefresh = true;
  // The timer tries again until the tree is free.
  if (!FRefreshTimer->GetEnabled()) StartTimer(TNavCustomShellList::kFocusedRefreshDelay, kTreeTagRefresh);
}

// ---- building and refreshing

void TNavCustomShellTree::Rebuild() {
  if (Busy()) {
    Defer(true);
    return;
  }
  FRebuildDeferred = false;
  FRefreshDeferred = false;
  FPendingRefresh = false;
  TNavHourglass hourglass;
  {
    TNesting hold(FUpdateNesting);
    SetSelected(nullptr);
    GetItems()->Clear();
  }
  IShellFolder* folder = nullptr;
  const HRESULT hr = GetShellFolder(FBaseFolder->GetPidl(), &folder);
  if (FAILED(hr) || !folder) TreeRaiseFor(FAILED(hr) ? hr : E_FAIL);
  try {
    FillNode(folder, nullptr);
    if (!IsDesktopPidl(FSelectedFolder->GetPidl())) {
      SelectFolderPidl(FSelectedFolder->GetPidl());
    } else if (TTreeNode* first = GetItems()->GetFirstNode()) {
      SelectNode(first);
    }
    FlushPendingRefresh(false);
  } catch (...) {
    folder->Release();
    throw;
  }
  folder->Release();
  if (HasOption(navstoDynamicRefresh) && !Designing()) StartChangeWatch();
}

void TNavCustomShellTree::RefreshContents() {
  if (Busy()) {
    Defer(false);
    return;
  }
  TTreeNode* top = TopNode();
  if (!top || FRebuildDeferred) {
    Rebuild();
    return;
  }
  FRefreshDeferred = false;
  FPendingRefresh = false;
  TNavHourglass hourglass;
  TTreeNodes* nodes = GetItems();
  nodes->BeginUpdate();
  DoFillStart();
  TTreeNode* const before = GetSelected();
  TTreeNode* remembered = before;
  try {
    {
      TNesting hold(FUpdateNesting);
      SetSelected(nullptr);
      RefreshNode(top, remembered);
      // The selected folder is still there: the selection has not changed,
      // so nobody hears of a change (a file chosen in the linked list stays
      // chosen).
      if (remembered && remembered == before) SelectNode(remembered);
    }
    // The selected folder went: the linked controls follow its parent at once.
    if (remembered && remembered != before) {
      FSelectAtOnce = true;
      SelectNode(remembered);
      FSelectAtOnce = false;
    }
  } catch (...) {
    FSelectAtOnce = false;
    nodes->EndUpdate();
    DoFillComplete();
    throw;
  }
  nodes->EndUpdate();
  DoFillComplete();
  UpdateWatches();
}

void TNavCustomShellTree::RefreshNode(TTreeNode* node, TTreeNode*& remembered) {
  TNavShTreeData* data = NodeData(node);
  if (!data) return;
  // Parts never listed cost nothing; an expanded empty folder is listed.
  // A folder that was never listed keeps only its button up to date: it may
  // have got its first subfolder, or lost its last one.
  if (node->GetCount() == 0 && node != remembered && !node->GetExpanded()) {
    UpdateButton(node);
    return;
  }
  IShellFolder* folder = data->BoundFolder();
  if (!folder) return;
  auto less = [folder](LPCITEMIDLIST a, LPCITEMIDLIST b) {
    const HRESULT hr = folder->CompareIDs(0, a, b);
    return SUCCEEDED(hr) && TreeShortCode(hr) < 0;
  };
  // What the node shows, by item-ID list, against what the folder holds now.
  std::vector<std::pair<LPCITEMIDLIST, TTreeNode*>> shown;
  for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling())
    if (TNavShTreeData* childData = NodeData(child)) shown.emplace_back(childData->GetRelIdList(), child);
  TNavFolderDiff diff = DiffFolderItems(folder, OwnerWindow(), EnumFlags(), shown, less);
  const std::vector<bool>& kept = diff.Kept;
  std::vector<LPITEMIDLIST>& added = diff.Added;
  try {
    for (std::size_t i = shown.size(); i-- > 0;) {
      if (kept[i]) continue;
      TTreeNode* gone = shown[i].second;
      if (remembered && (remembered == gone || remembered->HasAsParent(gone))) remembered = node;
      gone->Delete();
    }
    bool any = false;
    for (std::size_t i = 0; i < added.size(); ++i) {
      FLastInserted = nullptr;
      const HRESULT hr = AddChildNode(ShellMalloc(), folder, added[i], node, data->AbsIdList());
      if (FLastInserted) any = true;
      if (FAILED(hr)) TreeRaiseFor(hr);
    }
    if (any) SortChildren(node);
  } catch (...) {
    for (LPITEMIDLIST list : added) ShellFree(list);
    throw;
  }
  for (LPITEMIDLIST list : added) ShellFree(list);
  if (node->GetCount() == 0 && node != TopNode()) node->SetHasChildren(false);
  std::vector<TTreeNode*> children;
  for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) children.push_back(child);
  for (TTreeNode* child : children) RefreshNode(child, remembered);
}

// ---- window life

void TNavCustomShellTree::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  if (HasOption(navstoOleDrag) || GetDragMode() == dmAutomatic)
    params.Style &= ~static_cast<DWORD>(TVS_DISABLEDRAGDROP);
  else
    params.Style |= TVS_DISABLEDRAGDROP;
}

void TNavCustomShellTree::CreateWnd() {
  inherited::CreateWnd();
  if (!Designing() && HasOption(navstoOleDrop)) FDropRegistration.Register<TDropTarget_shtv>(this, this);
  if (Loading()) return;
  if (HasOption(navstoAutoFill) && !GetItems()->GetFirstNode()) PostMessageA(GetHandle(), WM_DEFERREDFILL, 0, 0);
  // Built before it had a window: its notices come to this one.
  if (GetItems()->GetFirstNode() && HasOption(navstoDynamicRefresh) && !Designing()) StartChangeWatch();
  if (FShellList) FShellList->SetFolder(FSelectedFolder.get());
}

void TNavCustomShellTree::Loaded() {
  if (Loading() && HasOption(navstoAutoFill) && !FShellCombo) {
    if (!GetItems()->GetFirstNode()) Rebuild();
    if (FShellList) FShellList->SetFolder(FSelectedFolder.get());
  }
  FLoaded = true;
  ++FExpansionBlocked;
  try {
    inherited::Loaded();
  } catch (...) {
    --FExpansionBlocked;
    throw;
  }
  --FExpansionBlocked;
}

void TNavCustomShellTree::WMDeferredFill(TMessage&) {
  if (!GetItems()->GetFirstNode()) Rebuild();
}

void TNavCustomShellTree::DestroyWnd() {
  FDestroyingWnd = true;
  TTreeNodes* nodes = GetItems();
  nodes->BeginUpdate();
  try {
    {
      TNesting hold(FUpdateNesting);
      SetSelected(nullptr);
      nodes->Clear();
    }
    inherited::DestroyWnd();
  } catch (...) {
    nodes->EndUpdate();
    FDestroyingWnd = false;
    throw;
  }
  nodes->EndUpdate();
  FDestroyingWnd = false;
}

void TNavCustomShellTree::WMNCDestroy(TMessage& m) {
  {
    TNesting hold(FUpdateNesting);
    FDropRegistration.Revoke(this);
    // Its notices went to this window; a new window watches again when it
    // fills.
    FRefreshTimer->SetEnabled(false);
    FChangeThread.reset();
    FWatched.clear();
  }
  InheritedMessage(m);
}

void TNavCustomShellTree::WMPaint(TMessage& m) {
  // The icons are drawn on the tree's own colour while it paints; the
  // system's list is shared, so its colour goes back afterwards.
  HIMAGELIST images = FImages ? FImages->GetHandle() : nullptr;
  if (!images) {
    InheritedMessage(m);
    return;
  }
  const COLORREF saved = ImageList_SetBkColor(images, ColorToRGB(GetColor()));
  try {
    InheritedMessage(m);
  } catch (...) {
    ImageList_SetBkColor(images, saved);
    throw;
  }
  ImageList_SetBkColor(images, saved);
}

void TNavCustomShellTree::WndProc(TMessage& message) {
  // Deleting every item of the window moves the selection node by node;
  // none of that is the user's.
  if (message.Msg == TVM_DELETEITEM && (message.LParam == reinterpret_cast<LPARAM>(TVI_ROOT) || message.LParam == 0)) {
    TNesting hold(FUpdateNesting);
    inherited::WndProc(message);
    return;
  }
  // Window-position changes while the window goes are not passed on.
  if (FDestroyingWnd && (message.Msg == WM_WINDOWPOSCHANGED || message.Msg == WM_WINDOWPOSCHANGING)) {
    DefaultHandler(message);
    return;
  }
  inherited::WndProc(message);
}

HWND TNavCustomShellTree::OwnerWindow() {
  return GetTopFormHandle(this);
}

TNavCustomDraw* TNavCustomShellTree::CustomDrawNotify(NMCUSTOMDRAW* notification, LRESULT& result) {
  auto* draw = static_cast<TNavTvCustomDraw*>(CreateCustomDraw(notification, result));
  const int stage = draw->Stage();
  TTreeNode* node = nullptr;
  if (stage == 4 || stage == 5) node = reinterpret_cast<TTreeNode*>(notification->lItemlParam);
  TNavShTreeData* data = NodeData(node);
  if (OnCustomDrawShEx) OnCustomDrawShEx(this, draw, node, data);
  if (stage == 4 && OnCustomDrawSh) OnCustomDrawSh(this, draw, node, data);
  if (stage == 1) draw->NotifyItemDraw = true;
  draw->Apply();
  return draw;
}

void TNavCustomShellTree::CMDesignHitTest(TMessage& m) {
  m.Result = 0;
  if (!HasOption(navstoDesignInteractive) || !HandleAllocated()) return;
  TVHITTESTINFO hit{};
  hit.pt = POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  SendMessageA(GetHandle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMRIGHT | TVHT_TORIGHT)) m.Result = 1;
}
