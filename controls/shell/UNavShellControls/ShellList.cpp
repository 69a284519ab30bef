#include "controls/shell/UNavShellControls/ShellList.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellControls/FolderDiff.h"
#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellControls/ShellControlConsts.h"
#include "controls/shell/UNavShellControls/ShellDetails.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellUtils.h"

namespace {

constexpr SFGAOF kListAddMask = SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_FILESYSANCESTOR |
                                SFGAO_REMOVABLE | SFGAO_GHOSTED | SFGAO_SHARE | SFGAO_LINK;

std::string UpperName(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The widths of the last list's columns, handed to the next list made in
// this process.
std::vector<int>& RememberedColumnWidths() {
  static std::vector<int> widths;
  return widths;
}

}  // namespace

void TNavCustomShellList::Messages(TMessageMap<TNavCustomShellList>& m) {
  m.On(WM_FOLDERCONTENTSCHANGED, &TNavCustomShellList::WMFolderContentsChanged);
  m.On(WM_DEFERREDFILL, &TNavCustomShellList::WMDeferredFill);
  m.On(WM_DESTROY, &TNavCustomShellList::WMDestroy);
  m.On(CN_NOTIFY, &TNavCustomShellList::CNNotify);
  m.On(CM_WANTSPECIALKEY, &TNavCustomShellList::CMWantSpecialKey);
  m.On(WM_RBUTTONUP, &TNavCustomShellList::WMRButtonUp);
  m.On(WM_INITMENUPOPUP, &TNavCustomShellList::WMMenuMessage);
  m.On(WM_DRAWITEM, &TNavCustomShellList::WMMenuMessage);
  m.On(WM_MEASUREITEM, &TNavCustomShellList::WMMenuMessage);
  m.On(WM_MENUCHAR, &TNavCustomShellList::WMMenuMessage);
  m.On(WM_MENUSELECT, &TNavCustomShellList::WMMenuMessage);
  m.On(WM_EDITNEWFOLDER, &TNavCustomShellList::WMEditNewFolder);
  m.On(CWM_GETISHELLBROWSER, &TNavCustomShellList::WMGetIShellBrowser);
}

TNavCustomShellList::TNavCustomShellList(TComponent* AOwner)
    : TNavCustomListView(AOwner), FFolder(std::make_unique<TNavShellLocator>()) {
  FFolder->SetOnChange([this](TObject* sender) { FolderChanged(sender); });
  FRefreshTimer = std::make_unique<TTimer>(nullptr);
  FRefreshTimer->SetEnabled(false);
  FRefreshTimer->OnTimer = [this](TObject* sender) { RefreshTimerTick(sender); };
  GetIconOptions()->SetAutoArrange(true);
  SetAllocBy(256);
  UpdateImageLists();
  DeviceChangeHandler()->RegisterMethod<&TNavCustomShellList::DeviceChange>(this);
}

void TNavCustomShellList::UpdateImageLists() {
  // The system's lists: freeing ours must leave them alone.
  FSmallImages = std::make_unique<TCustomImageList>(nullptr, 16, 16);
  FSmallImages->SetShareImages(true);
  FSmallImages->SetHandle(GetSystemImageList(isSmall));
  FLargeImages = std::make_unique<TCustomImageList>(nullptr, 32, 32);
  FLargeImages->SetShareImages(true);
  FLargeImages->SetHandle(GetSystemImageList(isLarge));
  SetSmallImages(FSmallImages.get());
  SetLargeImages(FLargeImages.get());
}

TNavCustomShellList::~TNavCustomShellList() {
  DeviceChangeHandler()->UnregisterMethod<&TNavCustomShellList::DeviceChange>(this);
  // The next list made in this process starts with these widths.
  if (GetColumns()->GetCount() > 0 && FWidthsRemembered) SaveColumnWidths();
  FRefreshTimer.reset();
  FChangeThread.reset();
  FDropRegistration.Revoke(this);
  FEntered.Leave();
  FDropHighlight = nullptr;
  GetItems()->Clear();
  SetSmallImages(nullptr);
  SetLargeImages(nullptr);
  if (FShellFolder) FShellFolder->Release();
  if (FFolderIdList) ShellFree(FFolderIdList);
  ReleaseDetails();
}

IMalloc* TNavCustomShellList::GetItemMalloc() {
  return ShellMalloc();
}

void TNavCustomShellList::ReleaseDetails() {
  if (FDetails) FDetails->Release();
  FDetails = nullptr;
}

DWORD TNavCustomShellList::EnumFlags() const {
  DWORD flags = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS;
  if (HasOption(navsloShowHidden)) flags |= SHCONTF_INCLUDEHIDDEN;
  return flags;
}

void TNavCustomShellList::SetFileFilter(const std::string& value) {
  if (value == FFileFilter) return;
  FFileFilter = value;
  FMasks.clear();
  std::size_t start = 0;
  while (start <= value.size()) {
    std::size_t end = value.find(';', start);
    if (end == std::string::npos) end = value.size();
    if (end > start) FMasks.push_back(value.substr(start, end - start));
    start = end + 1;
  }
  if (!GetComponentState().Contains(csLoading) && HasOption(navsloAutoFill)) Rebuild();
}

void TNavCustomShellList::SetOptions(TNavShellListOptions value) {
  const TNavShellListOptions old = FOptions;
  FOptions = value;
  if (GetComponentState().Contains(csLoading) || !HandleAllocated()) return;
  const TNavShellListOptions changed = old ^ value;
  if ((changed & NavSlo(navsloOleDrop)) && !GetComponentState().Contains(csDesigning)) {
    if (HasOption(navsloOleDrop))
      FDropRegistration.Register<TDropTarget_shlv>(this, this);
    else
      FDropRegistration.Revoke(this);
  }
  if (changed & NavSlo(navsloDynamicRefresh)) {
    if (HasOption(navsloDynamicRefresh))
      WatchFolder();
    else if (FChangeThread)
      FChangeThread->ClearWatches();
  }
  if (changed & (NavSlo(navsloHideFoldersWhenLinkedToTree) | NavSlo(navsloShowHidden))) RefreshContents();
}

TNavShListData* TNavCustomShellList::ItemData(TListItem* item) const {
  if (!item) return nullptr;
  return dynamic_cast<TNavShListData*>(static_cast<TObject*>(item->GetData()));
}

TNavShListData* TNavCustomShellList::ItemDataAt(int index) const {
  return ItemData(GetItems()->GetItem(index));
}

TNavShListData* TNavCustomShellList::SelectedItemData() const {
  return ItemData(GetSelected());
}

void TNavCustomShellList::FolderChanged(TObject*) {
  if (FFolderChangeNesting <= 0) {
    ++FFolderChangeNesting;
    try {
      if (FShellTree)
        FShellTree->SelectFolderPidl(FFolder->GetPidl());
      else if (FShellCombo)
        FShellCombo->GetLocator()->SetPidl(FFolder->GetPidl());
      Rebuild();
    } catch (...) {
      --FFolderChangeNesting;
      throw;
    }
    --FFolderChangeNesting;
  }
  DoFolderChanged();
}

void TNavCustomShellList::SetComboLink(TNavCustomShellCombo* combo) {
  if (FShellCombo == combo) return;
  if (FShellCombo) FShellCombo->RemoveFreeNotification(this);
  FShellCombo = combo;
  if (combo) combo->FreeNotification(this);
}

void TNavCustomShellList::SetShellTree(TNavCustomShellTree* tree) {
  if (FShellTree == tree) return;
  if (FShellTree) FShellTree->RemoveFreeNotification(this);
  FShellTree = tree;
  if (tree) tree->FreeNotification(this);
}

void TNavCustomShellList::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FShellCombo) FShellCombo = nullptr;
  if (operation == opRemove && component == FShellTree) FShellTree = nullptr;
}

void TNavCustomShellList::DoFillComplete() {
  if (OnFillComplete) OnFillComplete(this);
}
void TNavCustomShellList::DoFillStart() {
  if (OnFillStart) OnFillStart(this);
}
void TNavCustomShellList::DoFolderChanged() {
  if (OnFolderChanged) OnFolderChanged(this);
}

bool TNavCustomShellList::Busy() {
  return MenuShown() || IsEditing() || FDragging || FCurrentContextMenu;
}

void TNavCustomShellList::Defer(bool rebuild) {
  FRefreshDeferred = true;
  if (rebuild) FRebuildDeferred = true;
  // The timer tries again until the list is free.
  if (!FRefreshTimer->GetEnabled()) {
    FRefreshTimer->SetInterval(kFocusedRefreshDelay);
    FRefreshTimer->SetEnabled(true);
  }
}

void TNavCustomShellList::CreateWnd() {
  inherited::CreateWnd();
  if (HasOption(navsloOleDrop) && !GetComponentState().Contains(csDesigning))
    FDropRegistration.Register<TDropTarget_shlv>(this, this);
  if (HasOption(navsloAutoFill) && GetItems()->GetCount() == 0) PostMessageA(GetHandle(), WM_DEFERREDFILL, 0, 0);
}

void TNavCustomShellList::DestroyWnd() {
  TListItems* items = GetItems();
  items->BeginUpdate();
  // Linked controls hear nothing of the items going with the window.
  ++FFolderChangeNesting;
  try {
    SetSelected(nullptr);
    items->Clear();
    inherited::DestroyWnd();
  } catch (...) {
    --FFolderChangeNesting;
    items->EndUpdate();
    throw;
  }
  --FFolderChangeNesting;
  items->EndUpdate();
}

void TNavCustomShellList::WMDestroy(TMessage& m) {
  if (GetColumns()->GetCount() > 0 && FWidthsRemembered) SaveColumnWidths();
  // Its notices went to this window; a new window watches again when it fills.
  FRefreshTimer->SetEnabled(false);
  FChangeThread.reset();
  FSelfCaused = false;
  FDropRegistration.Revoke(this);
  InheritedMessage(m);
}

void TNavCustomShellList::DeviceChange(TMessage& message) {
  if (message.WParam != DBT_DEVICEARRIVAL && message.WParam != DBT_DEVICEREMOVECOMPLETE) return;
  RevalidateMyComputer();
  if (GetSpecialFolderId(FFolder->GetPidl()) == CSIDL_DRIVES) Rebuild();
}

void TNavCustomShellList::WMDeferredFill(TMessage&) {
  if (GetItems()->GetCount() == 0) Rebuild();
}

void TNavCustomShellList::Rebuild() {
  if (!HandleAllocated()) return;
  if (Busy()) {
    Defer(true);
    return;
  }
  FRefreshDeferred = false;
  FRebuildDeferred = false;
  TListItems* items = GetItems();
  items->BeginUpdate();
  struct EndUpdate {
    TListItems* items;
    ~EndUpdate() { items->EndUpdate(); }
  } guard{items};
  items->Clear();
  IShellFolder* folder = nullptr;
  HRESULT hr = GetShellFolder(FFolder->GetPidl(), &folder);
  if (FAILED(hr) || !folder) RaiseSysError(static_cast<DWORD>(FAILED(hr) ? hr : E_FAIL));
  try {
    PrepareFilter();
    Fill(folder, FFolder->GetPidl());
  } catch (...) {
    ReleaseFilter();
    folder->Release();
    throw;
  }
  ReleaseFilter();
  folder->Release();
  if (HasOption(navsloDynamicRefresh) && !GetComponentState().Contains(csDesigning)) WatchFolder();
}

void TNavCustomShellList::Fill(IShellFolder* folder, LPCITEMIDLIST list) {
  TListItems* items = GetItems();
  items->BeginUpdate();
  DoFillStart();
  // The old folder stays at hand until the fill succeeded, so that a failed
  // fill leaves the list on a folder it can still refresh.
  LPITEMIDLIST oldList = FFolderIdList;
  IShellFolder* oldFolder = FShellFolder;
  IShellDetails* oldDetails = FDetails;
  FFolderIdList = CopyPidl(ShellMalloc(), list);
  folder->AddRef();
  FShellFolder = folder;
  FDetails = GetShellDetails(folder);
  std::vector<TNavShListData*> collected;
  try {
    SetupColumns();
    IEnumIDList* enumerator = nullptr;
    if (SUCCEEDED(folder->EnumObjects(HandleAllocated() ? GetHandle() : nullptr, EnumFlags(), &enumerator)) &&
        enumerator) {
      collected.reserve(500);
      for (;;) {
        LPITEMIDLIST item = nullptr;
        ULONG fetched = 0;
        HRESULT hr = enumerator->Next(1, &item, &fetched);
        if (hr == S_OK && fetched == 1 && item) {
          auto* data = new TNavShListData(this);
          data->SetRelIdList(item);
          collected.push_back(data);
          continue;
        }
        if (hr == S_FALSE || hr == kNavNoMoreItems || hr == E_FAIL || hr == S_OK) break;
        enumerator->Release();
        RaiseSysError(static_cast<DWORD>(hr));
      }
      enumerator->Release();
    }
    SetAllocBy(static_cast<int>(collected.size()));
    for (std::size_t i = 0; i < collected.size(); ++i) {
      TNavShListData* data = collected[i];
      const bool add = ShouldAddItem(FFolderIdList, data->GetRelIdList());
      collected[i] = nullptr;
      if (add)
        AddStaged(data, data->Attributes());
      else
        delete data;
    }
    SortItems();
    if (items->GetCount() > 0) items->GetItem(0)->SetFocused(true);
  } catch (...) {
    for (TNavShListData* data : collected) delete data;
    ShellFree(FFolderIdList);
    FFolderIdList = oldList;
    FShellFolder->Release();
    FShellFolder = oldFolder;
    if (FDetails) FDetails->Release();
    FDetails = oldDetails;
    items->EndUpdate();
    throw;
  }
  if (oldList) ShellFree(oldList);
  if (oldFolder) oldFolder->Release();
  if (oldDetails) oldDetails->Release();
  items->EndUpdate();
  DoFillComplete();
}

void TNavCustomShellList::AddStaged(TNavShListData* data, SFGAOF attributes) {
  FStagedData = data;
  FStagedAttributes = attributes;
  FStagedSubItems = FDetails ? std::max(0, GetColumns()->GetCount() - 1) : 3;
  try {
    GetItems()->Add();
  } catch (...) {
    if (FStagedData) delete FStagedData;
    FStagedData = nullptr;
    throw;
  }
}

void TNavCustomShellList::InsertItem(TListItem* item) {
  if (FStagedData) {
    TNavShListData* data = FStagedData;
    FStagedData = nullptr;
    item->SetData(data);
    if (FStagedAttributes & SFGAO_SHARE)
      item->SetOverlayIndex(0);
    else if (FStagedAttributes & SFGAO_LINK)
      item->SetOverlayIndex(1);
    if (FStagedAttributes & SFGAO_GHOSTED) item->SetCut(true);
    item->SetCaption(data->DisplayName());
    for (int k = 1; k <= FStagedSubItems; ++k) item->GetSubItems()->Add(data->DetailText(k));
    item->SetImageIndex(GetIconIndex(data->AbsIdList(), 0));
  }
  inherited::InsertItem(item);
}

TNavCustomDraw* TNavCustomShellList::CustomDrawNotify(NMCUSTOMDRAW* notification, LRESULT& result) {
  auto* draw = static_cast<TNavLvCustomDraw*>(CreateCustomDraw(notification, result));
  TListItem* item = nullptr;
  const int stage = draw->Stage();
  if (stage == 4 || stage == 5) {
    const auto index = static_cast<int>(notification->dwItemSpec);
    if (index >= 0 && index < GetItems()->GetCount()) item = GetItems()->GetItem(index);
  }
  TNavShListData* data = ItemData(item);
  if (OnCustomDrawShEx) OnCustomDrawShEx(this, draw, item, data);
  if (stage == 4 && OnCustomDrawSh) OnCustomDrawSh(this, draw, item, data);
  if (stage == 1) draw->NotifyItemDraw = true;
  draw->Apply();
  return draw;
}

bool TNavCustomShellList::CanEdit(TListItem* item) {
  TNavShListData* data = ItemData(item);
  if (!data) return inherited::CanEdit(item);
  return data->CanRename() && inherited::CanEdit(item) && !GetComponentState().Contains(csDesigning);
}

void TNavCustomShellList::Delete(TListItem* item) {
  if (item == FDropHighlight) FDropHighlight = nullptr;
  TNavShListData* data = ItemData(item);
  if (data) {
    if (OnDeleteItem) OnDeleteItem(this, item);
    item->SetData(nullptr);
  }
  inherited::Delete(item);
  delete data;
}

bool TNavCustomShellList::ShouldAddItem(LPCITEMIDLIST parent, LPCITEMIDLIST relative) {
  SFGAOF attributes = kListAddMask;
  LPCITEMIDLIST one[1] = {relative};
  if (FAILED(FShellFolder->GetAttributesOf(1, one, &attributes))) attributes = 0;
  if (!HasOption(navsloNonFilesystemAncestors) && !(attributes & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR)))
    return false;
  // The tree beside the list shows the folders.
  if (HasOption(navsloHideFoldersWhenLinkedToTree) && FShellTree && (attributes & SFGAO_FOLDER) &&
      (attributes & SFGAO_FILESYSTEM))
    return false;
  return CanAddItem(FShellFolder, parent, attributes, relative);
}

bool TNavCustomShellList::CanAddItem(IShellFolder* folder, LPCITEMIDLIST parent, SFGAOF attributes,
                                     LPCITEMIDLIST relative) {
  bool allow = true;
  if (FMaskNames && !(attributes & SFGAO_FOLDER)) {
    std::string name = GetDisplayName(folder, relative, nkForParsing);
    std::size_t cut = name.find_last_of("\\/");
    if (cut != std::string::npos) name = name.substr(cut + 1);
    allow = FilterAccepts(name, attributes);
  }
  if (allow && OnAddItem) OnAddItem(this, folder, parent, relative, attributes, allow);
  return allow;
}

void TNavCustomShellList::PrepareFilter() {
  ReleaseFilter();
  std::string path = FFolder->GetFolderPath();
  if (path.empty() || FFileFilter.empty() || FFileFilter == "*" || FFileFilter == "*.*") return;
  FMaskNames = std::make_unique<std::vector<std::string>>();
  if (path.back() != '/' && path.back() != '\\') path += '\\';
  for (const std::string& mask : FMasks) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((path + mask).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_NOT_FOUND) continue;
      break;
    }
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) FMaskNames->push_back(UpperName(found.cFileName));
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  std::sort(FMaskNames->begin(), FMaskNames->end());
  FMaskNames->erase(std::unique(FMaskNames->begin(), FMaskNames->end()), FMaskNames->end());
}

bool TNavCustomShellList::FilterAccepts(const std::string& name, SFGAOF attributes) {
  if (attributes & SFGAO_FOLDER) return true;
  return FMaskNames && std::binary_search(FMaskNames->begin(), FMaskNames->end(), UpperName(name));
}

void TNavCustomShellList::ReleaseFilter() {
  FMaskNames.reset();
}

void TNavCustomShellList::SetupColumns() {
  if (GetColumns()->GetCount() > 0 && FWidthsRemembered) SaveColumnWidths();
  if (FDetails)
    SetupDetailsColumns();
  else
    SetupFixedColumns();
  RefreshHeaderItems();
  if (GetColumns()->GetCount() < std::abs(FSort))
    SetSort(1);
  else
    SetSort(FSort);
}

void TNavCustomShellList::SetupDetailsColumns() {
  FWidthsRemembered = !FFolder->GetFolderPath().empty();
  const bool load = FWidthsRemembered && !RememberedColumnWidths().empty();
  GetColumns()->Clear();
  for (UINT i = 0;; ++i) {
    SHELLDETAILS details{};
    if (FAILED(FDetails->GetDetailsOf(nullptr, i, &details))) break;
    TListColumn* column = GetColumns()->Add();
    column->SetCaption(StrRetToString(nullptr, details.str));
    FreeStrRet(details.str);
    if (!load) column->SetWidth(details.cxChar * 7);
    column->SetAlignment(details.fmt == LVCFMT_RIGHT    ? taRightJustify
                         : details.fmt == LVCFMT_CENTER ? taCenter
                                                        : taLeftJustify);
  }
  if (load) LoadColumnWidths();
}

void TNavCustomShellList::SetupFixedColumns() {
  static const char* const kCaptions[] = {"Name", "Size", "Type", "Modified"};
  static const int kWidths[] = {200, 60, 100, 120};
  GetColumns()->Clear();
  for (int i = 0; i < 4; ++i) {
    TListColumn* column = GetColumns()->Add();
    column->SetCaption(kCaptions[i]);
    column->SetWidth(kWidths[i]);
    if (i == 1) column->SetAlignment(taRightJustify);
  }
  if (!RememberedColumnWidths().empty()) LoadColumnWidths();
  FWidthsRemembered = true;
}

void TNavCustomShellList::SaveColumnWidths() {
  std::vector<int>& widths = RememberedColumnWidths();
  widths.clear();
  for (int i = 0; i < GetColumns()->GetCount(); ++i) widths.push_back(GetColumns()->GetItem(i)->GetWidth());
}

void TNavCustomShellList::LoadColumnWidths() {
  const std::vector<int>& widths = RememberedColumnWidths();
  const int n = std::min(static_cast<int>(widths.size()), GetColumns()->GetCount());
  for (int i = 0; i < n; ++i) GetColumns()->GetItem(i)->SetWidth(widths[i]);
}

void TNavCustomShellList::SetSort(int value) {
  SetSortColumn(std::abs(value) - 1);
  SetSortDirection(value >= 0 ? 1 : 0);
  FSortSet = true;
  if (value != FSort) {
    FSort = value;
    SortItems();
  }
}

void TNavCustomShellList::SortItems() {
  if (FSort != 0)
    CustomSort([this](TListItem* a, TListItem* b, LPARAM) { return CompareItems(a, b); }, 0);
  else
    AlphaSort();
}

int TNavCustomShellList::CompareItems(TListItem* item1, TListItem* item2) {
  TNavShListData* a = ItemData(item1);
  TNavShListData* b = ItemData(item2);
  if (!a || !b || !FShellFolder) return 0;
  HRESULT hr = FShellFolder->CompareIDs(std::abs(FSort) - 1, a->GetRelIdList(), b->GetRelIdList());
  if (FAILED(hr)) return 0;
  const int order = static_cast<short>(HRESULT_CODE(hr) & 0xFFFF);
  return FSort < 0 ? -order : order;
}

void TNavCustomShellList::ColClick(TListColumn* column) {
  FSortSet = false;
  inherited::ColClick(column);
  if (FSortSet) return;
  const int index = column->GetIndex();
  if (FSort == index + 1)
    SetSort(-FSort);
  else
    SetSort(index + 1);
}

void TNavCustomShellList::RefreshContents() {
  if (!HandleAllocated()) return;
  if (Busy()) {
    Defer(false);
    return;
  }
  if (MoveOffVanishedFolder()) return;
  if (GetItems()->GetCount() == 0 || !FShellFolder || FRebuildDeferred) {
    Rebuild();
    return;
  }
  FRefreshDeferred = false;
  DoFillStart();
  PrepareFilter();
  TListItems* items = GetItems();
  items->BeginUpdate();
  try {
    // What the list shows, by item-ID list, against what the folder holds
    // now.
    std::vector<std::pair<LPCITEMIDLIST, TListItem*>> shown;
    for (int i = 0; i < items->GetCount(); ++i)
      if (TNavShListData* data = ItemData(items->GetItem(i)))
        shown.emplace_back(data->GetRelIdList(), items->GetItem(i));
    const bool byFolder = FFolder->GetFolderPath().empty();
    auto less = [&](LPCITEMIDLIST a, LPCITEMIDLIST b) {
      if (byFolder) return static_cast<short>(HRESULT_CODE(FShellFolder->CompareIDs(0, a, b)) & 0xFFFF) < 0;
      return ComparePidls(a, b) < 0;
    };
    TNavFolderDiff diff = DiffFolderItems(FShellFolder, GetHandle(), EnumFlags(), shown, less);
    std::vector<LPITEMIDLIST>& added = diff.Added;
    for (std::size_t i = 0; i < shown.size(); ++i)
      if (!diff.Kept[i]) shown[i].second->Delete();
    SetAllocBy(static_cast<int>(added.size()));
    for (std::size_t i = 0; i < added.size(); ++i) {
      LPITEMIDLIST relative = added[i];
      added[i] = nullptr;
      LPITEMIDLIST absolute = ConcatPidls(ShellMalloc(), FFolderIdList, relative);
      try {
        AddNewShellItem(absolute, relative);
      } catch (...) {
        ShellFree(absolute);
        for (LPITEMIDLIST rest : added)
          if (rest) ShellFree(rest);
        throw;
      }
      ShellFree(absolute);
    }
  } catch (...) {
    ReleaseFilter();
    items->EndUpdate();
    SetAllocBy(256);
    throw;
  }
  ReleaseFilter();
  items->EndUpdate();
  DoFillComplete();
  SetAllocBy(256);
}

bool TNavCustomShellList::MoveOffVanishedFolder() {
  std::string path = FFolder->GetFolderPath();
  if (path.empty() || GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  // Deleted or renamed from outside: the nearest folder above that still
  // exists takes its place.
  for (;;) {
    const std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos || cut == 0) break;
    path.erase(cut);
    if (path.size() <= 3) path += '\\';
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) break;
    if (path.size() <= 3) break;
  }
  // A folder change in its own right, even inside the refresh timer's tick:
  // the linked combo follows and the list fills.
  const int nesting = FFolderChangeNesting;
  FFolderChangeNesting = 0;
  try {
    FFolder->SetFolderPath(path);
  } catch (...) {
    FFolderChangeNesting = nesting;
    throw;
  }
  FFolderChangeNesting = nesting;
  return true;
}

void TNavCustomShellList::AddNewShellItem(LPCITEMIDLIST, LPITEMIDLIST relative) {
  // The parent handed on is the folder's own list, as a full fill hands it.
  if (!ShouldAddItem(FFolderIdList, relative)) {
    ShellFree(relative);
    return;
  }
  auto* data = new TNavShListData(this);
  data->SetRelIdList(relative);
  AddStaged(data, data->Attributes());
}

void TNavCustomShellList::WatchFolder() {
  FRefreshTimer->SetEnabled(false);
  // A new watch owes the list no notice of its own.
  FSelfCaused = false;
  if (FChangeThread)
    FChangeThread->ClearWatches();
  else
    FChangeThread = std::make_unique<TChangeHandlerThread>(GetHandle(), WM_FOLDERCONTENTSCHANGED);
  const std::string path = FFolder->GetFolderPath();
  int slot = -1;
  if (!path.empty())
    FChangeThread->AddWatch(path, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME, slot, false);
}

void TNavCustomShellList::WMFolderContentsChanged(TMessage&) {
  // The list's own rename or new folder is shown already.
  if (FSelfCaused) {
    FSelfCaused = false;
    return;
  }
  // One refresh follows the drag.
  if (FDragging) {
    FRefreshDeferred = true;
    return;
  }
  FRefreshTimer->SetEnabled(false);
  FRefreshTimer->SetInterval(Focused() ? kFocusedRefreshDelay : kRefreshDelay);
  FRefreshTimer->SetEnabled(true);
}

void TNavCustomShellList::RefreshTimerTick(TObject*) {
  // A change seen during a popup menu or a caption edit is not lost: the
  // timer keeps trying until the list is free again.
  if (Busy()) {
    FRefreshDeferred = true;
    return;
  }
  FRefreshTimer->SetEnabled(false);
  ++FFolderChangeNesting;
  try {
    RefreshContents();
  } catch (...) {
    --FFolderChangeNesting;
    throw;
  }
  --FFolderChangeNesting;
}

void TNavCustomShellList::FlushPendingRefresh(bool linked) {
  if (linked && FShellCombo) FShellCombo->FlushPendingRefresh(false);
  if (linked && FShellTree) FShellTree->FlushPendingRefresh(false);
  if (FRefreshTimer->GetEnabled()) RefreshTimerTick(nullptr);
}

void TNavCustomShellList::Loaded() {
  // A window made while loading posts its own fill.
  if (HasOption(navsloAutoFill) && GetItems()->GetCount() == 0 && HandleAllocated())
    PostMessageA(GetHandle(), WM_DEFERREDFILL, 0, 0);
  inherited::Loaded();
}

bool TNavShellList::FolderStored() const {
  return GetShellCombo() == nullptr;
}

void TNavShellList::Publish(TPublisher<TNavShellList>& p) {
  p.Prop("Folder", &TNavShellList::GetFolder, &TNavShellList::SetFolder).Stored(&TNavShellList::FolderStored);
  p.Prop("FileFilter", &TNavShellList::GetFileFilter, &TNavShellList::SetFileFilter);
  p.Prop("Options", &TNavShellList::GetOptionSet, &TNavShellList::SetOptionSet)
      .Default(TNavShellListOptionSet::FromBits(kNavShellListDefaultOptions));
  p.Prop("HeaderSortDisplayMode", &TNavShellList::GetHeaderSortDisplayMode, &TNavShellList::SetHeaderSortDisplayMode)
      .Default(navlvRightOfText);
  p.Prop("OnAddItem", &TNavShellList::OnAddItem);
  p.Prop("OnDblClickOpen", &TNavShellList::OnDblClickOpen);
  p.Prop("OnDeleteItem", &TNavShellList::OnDeleteItem);
  p.Prop("OnCustomDrawSh", &TNavShellList::OnCustomDrawSh);
  p.Prop("OnCustomDrawShEx", &TNavShellList::OnCustomDrawShEx);
  p.Prop("OnFillComplete", &TNavShellList::OnFillComplete);
  p.Prop("OnFillStart", &TNavShellList::OnFillStart);
  p.Prop("OnFolderChanged", &TNavShellList::OnFolderChanged);
  p.Prop("OnItemContextMenu", &TNavShellList::OnItemContextMenu);
  p.Prop("OnPopupHint", &TNavShellList::OnPopupHint);
}
