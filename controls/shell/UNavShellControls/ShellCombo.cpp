#include "controls/shell/UNavShellControls/ShellCombo.h"

#include <algorithm>
#include <vector>

#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellControls/ComboData.h"
#include "controls/shell/UNavShellControls/ShellList.h"
#include "controls/shell/UNavShellControls/SysErrorText.h"
#include "controls/shell/UNavShellControls/TreeData.h"
#include "controls/shell/UNavShellUtils/IdListArray.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Forms.h"
#include "platform/win/shellapi.h"

namespace {

constexpr int kComboMyComputer = 17;
constexpr SFGAOF kComboChildAttributes = 0xF00B0000;
constexpr SFGAOF kComboPathAttributes = 0xB00B0000;
constexpr int kComboSharedOverlay = 0;
constexpr int kComboLinkOverlay = 1;

[[noreturn]] void ComboRaiseFailure(HRESULT result) {
  RaiseSysError(static_cast<DWORD>(HRESULT_CODE(result)));
}

// The folder a sort compares in; a second sort while one runs would
// compare in the wrong folder.
IShellFolder* comboSortFolder = nullptr;

void ComboSortPidls(IShellFolder* folder, std::vector<LPITEMIDLIST>& lists) {
  if (comboSortFolder) throw Exception("Recursive call to SortPidls");
  comboSortFolder = folder;
  try {
    std::stable_sort(lists.begin(), lists.end(), [](LPITEMIDLIST a, LPITEMIDLIST b) {
      const HRESULT r = comboSortFolder->CompareIDs(0, a, b);
      if (FAILED(r)) return false;
      return static_cast<int16_t>(HRESULT_CODE(r)) < 0;
    });
  } catch (...) {
    comboSortFolder = nullptr;
    throw;
  }
  comboSortFolder = nullptr;
}

bool ComboSameItem(IShellFolder* folder, LPCITEMIDLIST a, LPCITEMIDLIST b) {
  const HRESULT r = folder->CompareIDs(0, a, b);
  return SUCCEEDED(r) && static_cast<int16_t>(HRESULT_CODE(r)) == 0;
}

void ComboSetOverlay(TNavImageComboItem* item, SFGAOF attributes) {
  if (attributes & SFGAO_SHARE)
    item->SetOverlayIndex(kComboSharedOverlay);
  else if (attributes & SFGAO_LINK)
    item->SetOverlayIndex(kComboLinkOverlay);
}

std::string ComboNameOf(IShellFolder* folder, LPCITEMIDLIST child, DWORD flags) {
  STRRET name{};
  if (FAILED(folder->GetDisplayNameOf(child, flags, &name))) return {};
  std::string text = StrRetToString(child, name);
  FreeStrRet(name);
  return text;
}

}  // namespace

TNavCustomShellCombo::TNavCustomShellCombo(TComponent* AOwner)
    : TNavCustomImageCombo(AOwner), FLocator(std::make_unique<TNavShellLocator>()) {
  FLocator->SetOnChange([this](TObject* sender) { LocatorChanged(sender); });
  FSmallImages = new TCustomImageList(nullptr, 16, 16);
  // The system's list: freeing ours must leave it alone.
  FSmallImages->SetShareImages(true);
  FSmallImages->SetHandle(GetSystemImageList(isSmall));
  SetImages(FSmallImages);
}

TNavCustomShellCombo::~TNavCustomShellCombo() {
  // The entries' shell data is ours to free: do it while this class still
  // answers DeleteItemData.
  ClearEntries();
  SetShellList(nullptr);
  SetShellTree(nullptr);
  SetImages(nullptr);
  delete FSmallImages;
  FLocator->SetOnChange(nullptr);
}

void TNavCustomShellCombo::Messages(TMessageMap<TNavCustomShellCombo>& m) {
  m.On(CM_DESIGNHITTEST, &TNavCustomShellCombo::CMDesignHitTest);
}

void TNavCustomShellCombo::CMDesignHitTest(TMessage& m) {
  // At design time a press on the drop-down button opens the list.
  m.Result = 0;
  if (!HandleAllocated()) return;
  RECT r;
  ::GetClientRect(GetHandle(), &r);
  const int x = static_cast<int16_t>(LOWORD(m.LParam));
  if (x >= r.right - GetSystemMetrics(SM_CXVSCROLL) && x < r.right) m.Result = 1;
}

void TNavCustomShellCombo::SetShellList(INavShellComboPartner* list) {
  if (list && FShellTree) return;
  if (FShellList && FShellList != list) {
    FShellList->SetComboLink(nullptr);
    FShellList = nullptr;
  }
  FShellList = list;
  if (list) {
    list->ComboPartnerComponent()->FreeNotification(this);
    list->SetComboLink(this);
  }
  FShellListComponent = list ? list->ComboPartnerComponent() : nullptr;
}

void TNavCustomShellCombo::SetShellTree(INavShellComboPartner* tree) {
  if (tree && FShellList) return;
  if (FShellTree && FShellTree != tree) {
    FShellTree->SetComboLink(nullptr);
    FShellTree = nullptr;
  }
  FShellTree = tree;
  if (tree) {
    tree->ComboPartnerComponent()->FreeNotification(this);
    tree->SetComboLink(this);
  }
  FShellTreeComponent = tree ? tree->ComboPartnerComponent() : nullptr;
}

void TNavCustomShellCombo::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  // The partner is being destroyed: its interface must not be called now.
  if (component == FShellListComponent) {
    FShellList = nullptr;
    FShellListComponent = nullptr;
  }
  if (component == FShellTreeComponent) {
    FShellTree = nullptr;
    FShellTreeComponent = nullptr;
  }
}

bool TNavCustomShellCombo::CanAddItem(IShellFolder*, LPCITEMIDLIST, SFGAOF, LPCITEMIDLIST) {
  return true;
}

void TNavCustomShellCombo::GoUp(int levels) {
  const int selected = GetItemIndex();
  if (selected < 0) return;
  TNavImageComboItem* entry = Item(selected);
  if (!entry) return;
  const int lowest = entry->GetIndent() - levels + 1;
  int index = selected;
  while (index > 0 && Item(index) && Item(index)->GetIndent() >= lowest) index--;
  if (index == selected) return;
  auto* data = dynamic_cast<TNavShComboData*>(Item(index)->GetData());
  if (data) FLocator->SetPidl(data->GetAbsIdList());
}

void TNavCustomShellCombo::LocatorChanged(TObject*) {
  if (FUpdateCount > 0) return;
  FUpdateCount++;
  try {
    if (FShellTree)
      FShellTree->ComboFolderChanged(FLocator.get());
    else if (FShellList)
      FShellList->ComboFolderChanged(FLocator.get());
    Rebuild();
  } catch (...) {
    FUpdateCount--;
    throw;
  }
  FUpdateCount--;
}

void TNavCustomShellCombo::TreeNodeChanged(TTreeNode* node) {
  if (!node || !node->GetSelected() || !node->GetData()) return;
  auto* data = static_cast<TNavShTreeData*>(node->GetData());
  FLocator->SetPidl(data->AbsIdList());
}

void TNavCustomShellCombo::SelEndOk() {
  inherited::SelEndOk();
  const int index = GetItemIndex();
  if (index < 0 || !Item(index)) return;
  auto* data = dynamic_cast<TNavShComboData*>(Item(index)->GetData());
  if (data) FLocator->SetPidl(data->GetAbsIdList());
}

void TNavCustomShellCombo::Loaded() {
  inherited::Loaded();
  if (!FOptions.Contains(navscoAutofill)) return;
  FUpdateCount++;
  try {
    Rebuild();
    if (FShellTree)
      FShellTree->ComboLoaded(FLocator.get());
    else if (FShellList)
      FShellList->ComboLoaded(FLocator.get());
  } catch (...) {
    FUpdateCount--;
    throw;
  }
  FUpdateCount--;
}

void TNavCustomShellCombo::CreateWnd() {
  inherited::CreateWnd();
  if (FOptions.Contains(navscoAutofill) && !GetComponentState().Contains(csLoading)) Rebuild();
}

void TNavCustomShellCombo::DestroyWnd() {
  SetText("");
  GetItems()->Clear();
  inherited::DestroyWnd();
}

void TNavCustomShellCombo::DeleteItemData(void* data) {
  auto* item = dynamic_cast<TNavImageComboItem*>(static_cast<TObject*>(data));
  if (!item) return;
  if (OnDeleteItem) OnDeleteItem(this, item);
  delete item->GetData();
  item->SetData(nullptr);
  delete item;
}

void TNavCustomShellCombo::GetItemInfo(TNavImageComboItem* item) {
  auto* data = dynamic_cast<TNavShComboData*>(item->GetData());
  if (!data) return;
  if (item->GetCaption().empty())
    item->SetCaption(GetDisplayName(data->GetParentFolder(), data->GetRelIdList(), nkInFolder));
  if (item->GetImageIndex() == -1) item->SetImageIndex(GetIconIndex(data->GetAbsIdList(), SHGFI_SMALLICON));
}

HWND TNavCustomShellCombo::OwnerWindow() {
  TWinControl* top = GetParent();
  while (top && top->GetParent()) top = top->GetParent();
  auto* form = dynamic_cast<TCustomForm*>(top);
  return form ? form->GetHandle() : nullptr;
}

void TNavCustomShellCombo::Rebuild() {
  if (!HandleAllocated()) return;
  FUpdateCount++;
  SetItemIndex(-1);
  GetItems()->Clear();
  FUpdateCount--;
  TNavIdListArray path(FLocator->GetPidl());
  GetItems()->BeginUpdate();
  try {
    IShellFolder* desktop = nullptr;
    const HRESULT r = SHGetDesktopFolder(&desktop);
    if (FAILED(r)) ComboRaiseFailure(r);
    try {
      Fill(desktop, nullptr, path, -1);
    } catch (...) {
      desktop->Release();
      throw;
    }
    desktop->Release();
    if (GetItemIndex() < 0 && GetItems()->GetCount() > 0) SetItemIndex(0);
  } catch (...) {
    GetItems()->EndUpdate();
    throw;
  }
  GetItems()->EndUpdate();
}

TNavImageComboItem* TNavCustomShellCombo::AddEntry(IShellFolder* folder, LPCITEMIDLIST parentAbsolute,
                                                   LPCITEMIDLIST child, SFGAOF attributes, int level, bool named,
                                                   DWORD nameFlags) {
  auto data = std::make_unique<TNavShComboData>(this);
  data->Init(folder, parentAbsolute, child);
  TNavImageComboItem* item = named
                                 ? AddItem(ComboNameOf(folder, child, nameFlags),
                                           GetIconIndex(data->GetAbsIdList(), SHGFI_SMALLICON | SHGFI_OPENICON), level)
                                 : AddItem("", -1, level);
  item->SetData(data.release());
  ComboSetOverlay(item, attributes);
  return item;
}

void TNavCustomShellCombo::Fill(IShellFolder* folder, LPCITEMIDLIST parentAbsolute, TNavIdListArray& path, int level) {
  LPITEMIDLIST myComputer = nullptr;
  HRESULT r = GetSpecialFolderPidl(OwnerWindow(), kComboMyComputer, &myComputer);
  if (FAILED(r)) ComboRaiseFailure(r);
  IMalloc* allocator = nullptr;
  r = SHGetMalloc(&allocator);
  if (FAILED(r)) {
    ShellFree(myComputer);
    ComboRaiseFailure(r);
  }
  LPITEMIDLIST parentList = nullptr;
  std::vector<LPITEMIDLIST> children;
  auto cleanUp = [&] {
    for (LPITEMIDLIST child : children) allocator->Free(child);
    allocator->Free(parentList);
    allocator->Free(myComputer);
    allocator->Release();
  };
  try {
    if (level == -1) {
      LPITEMIDLIST none = nullptr;
      auto data = std::make_unique<TNavShComboData>(this);
      data->Init(folder, none, none);
      TNavImageComboItem* desktop =
          AddItem(GetDisplayName(nullptr, nullptr, nkInFolder), GetIconIndex(data->GetAbsIdList(), SHGFI_SMALLICON), 0);
      desktop->SetData(data.release());
      level = 1;
    } else {
      parentList = CopyPidl(allocator, parentAbsolute);
    }

    IEnumIDList* enumerator = nullptr;
    r = folder->EnumObjects(GetActiveWindow(), SHCONTF_FOLDERS, &enumerator);
    if (FAILED(r)) ComboRaiseFailure(r);
    if (enumerator) {
      LPITEMIDLIST child = nullptr;
      ULONG fetched = 0;
      while (enumerator->Next(1, &child, &fetched) == S_OK && fetched == 1) children.push_back(child);
      enumerator->Release();
    }
    ComboSortPidls(folder, children);

    bool pathDone = false;
    for (LPITEMIDLIST child : children) {
      SFGAOF attributes = kComboChildAttributes;
      LPCITEMIDLIST asked = child;
      folder->GetAttributesOf(1, &asked, &attributes);
      if (!FOptions.Contains(navscoNonFilesystemAncestors) &&
          !(attributes & (SFGAO_FILESYSANCESTOR | SFGAO_FILESYSTEM)))
        continue;
      if (!CanAddItem(folder, parentList, attributes, child)) continue;
      LPITEMIDLIST absolute = ConcatPidls(allocator, parentList, child);
      try {
        const bool onPath = !pathDone && path.GetCount() >= level && ComboSameItem(folder, path.Item(level - 1), child);
        const bool current = onPath && path.GetCount() == level;
        TNavImageComboItem* item = AddEntry(folder, parentList, child, attributes, level, current, SHGDN_INFOLDER);
        const bool isMyComputer = level == 1 && ComparePidls(absolute, myComputer) == 0;
        if (current) {
          SetItemIndex(item->GetListIndex());
          pathDone = true;
        } else if (onPath && !isMyComputer) {
          FillPath(folder, absolute, child, path, level);
          pathDone = true;
        }
        if (isMyComputer) {
          IShellFolder* computer = nullptr;
          r = folder->BindToObject(child, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&computer));
          if (FAILED(r)) ComboRaiseFailure(r);
          try {
            Fill(computer, absolute, path, 2);
          } catch (...) {
            computer->Release();
            throw;
          }
          computer->Release();
        }
      } catch (...) {
        allocator->Free(absolute);
        throw;
      }
      allocator->Free(absolute);
    }
  } catch (...) {
    cleanUp();
    throw;
  }
  cleanUp();
}

void TNavCustomShellCombo::FillPath(IShellFolder* folder, LPCITEMIDLIST entryAbsolute, LPCITEMIDLIST entryRelative,
                                    TNavIdListArray& path, int level) {
  IShellFolder* current = nullptr;
  OleCheck(folder->BindToObject(entryRelative, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&current)));
  LPITEMIDLIST previous = CopyPidl(nullptr, entryAbsolute);
  TNavImageComboItem* last = nullptr;
  try {
    const int count = path.GetCount();
    for (int i = level; i < count; i++) {
      // Item() hands out a list that lasts only until the next call.
      LPITEMIDLIST item = CopyPidl(nullptr, path.Item(i));
      SFGAOF attributes = kComboPathAttributes;
      LPCITEMIDLIST asked = item;
      current->GetAttributesOf(1, &asked, &attributes);
      const bool isLast = i == count - 1;
      try {
        last = AddEntry(current, previous, item, attributes, i + 1, isLast, SHGDN_INFOLDER | SHGDN_FORADDRESSBAR);
        LPITEMIDLIST next = ConcatPidls(nullptr, previous, item);
        ShellFree(previous);
        previous = next;
        if (!isLast) {
          IShellFolder* child = nullptr;
          OleCheck(current->BindToObject(item, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&child)));
          current->Release();
          current = child;
        }
      } catch (...) {
        ShellFree(item);
        throw;
      }
      ShellFree(item);
    }
  } catch (...) {
    ShellFree(previous);
    current->Release();
    if (last) SetItemIndex(last->GetListIndex());
    throw;
  }
  ShellFree(previous);
  current->Release();
  if (last) SetItemIndex(last->GetListIndex());
}

TNavCustomShellList* TNavShellCombo::GetLinkedList() const {
  return dynamic_cast<TNavCustomShellList*>(GetShellList());
}

void TNavShellCombo::SetLinkedList(TNavCustomShellList* list) {
  SetShellList(list);
}

void TNavShellCombo::Publish(TPublisher<TNavShellCombo>& p) {
  p.Prop("ShellList", &TNavShellCombo::GetLinkedList, &TNavShellCombo::SetLinkedList);
  p.Prop("IndentPixels", &TNavShellCombo::GetIndentPixels, &TNavShellCombo::SetIndentPixels).Default(12);
  p.Prop("Options", &TNavShellCombo::GetOptions, &TNavShellCombo::SetOptions)
      .Default(TNavShellComboOptions{navscoAutofill, navscoNonFilesystemAncestors});
  p.Prop("OnCloseUp", &TNavShellCombo::OnCloseUp);
  p.Prop("OnSelEndOk", &TNavShellCombo::OnSelEndOk);
  p.Prop("OnSelEndCancel", &TNavShellCombo::OnSelEndCancel);
  p.Prop("OnDeleteItem", &TNavShellCombo::OnDeleteItem);
}
