#include "controls/shell/UNavShellControls/TreeData.h"

#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellControls/PidlUIObjects.h"
#include "controls/shell/UNavShellUtils.h"

TNavShTreeData::~TNavShTreeData() {
  if (FBoundFolder) FBoundFolder->Release();
  FreeList(FAbsIdList);
  FreeList(FRelIdList);
  if (FMalloc) FMalloc->Release();
}

void TNavShTreeData::FreeList(LPITEMIDLIST& list) {
  if (list) {
    if (FMalloc)
      FMalloc->Free(list);
    else
      ShellFree(list);
  }
  list = nullptr;
}

void TNavShTreeData::Init(TNavShTreeData* parent, IMalloc* allocator, LPCITEMIDLIST relative) {
  if (allocator) allocator->AddRef();
  FreeList(FAbsIdList);
  FreeList(FRelIdList);
  if (FMalloc) FMalloc->Release();
  FMalloc = allocator;
  FParent = parent;
  FRelIdList = CopyPidl(FMalloc, relative);
}

LPCITEMIDLIST TNavShTreeData::AbsIdList() {
  if (!FAbsIdList)
    FAbsIdList = FParent ? ConcatPidls(FMalloc, FParent->AbsIdList(), FRelIdList) : CopyPidl(FMalloc, FRelIdList);
  return FAbsIdList;
}

IShellFolder* TNavShTreeData::ParentFolder() {
  return FParent ? FParent->BoundFolder() : nullptr;
}

IShellFolder* TNavShTreeData::BoundFolder() {
  if (FBoundFolder) return FBoundFolder;
  if (IsDesktopPidl(AbsIdList())) {
    OleCheck(SHGetDesktopFolder(&FBoundFolder));
    return FBoundFolder;
  }
  IShellFolder* parent = ParentFolder();
  IShellFolder* desktop = nullptr;
  if (!parent) {
    // The root binds its absolute list in the desktop.
    OleCheck(SHGetDesktopFolder(&desktop));
    parent = desktop;
  }
  IShellFolder* bound = nullptr;
  if (SUCCEEDED(parent->BindToObject(FRelIdList, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&bound))))
    FBoundFolder = bound;
  if (desktop) desktop->Release();
  return FBoundFolder;
}

void TNavShTreeData::SetBoundFolder(IShellFolder* folder) {
  if (folder) folder->AddRef();
  if (FBoundFolder) FBoundFolder->Release();
  FBoundFolder = folder;
}

bool TNavShTreeData::CanRename() {
  if (!FParent || IsDesktopPidl(AbsIdList())) return false;
  IShellFolder* parent = ParentFolder();
  if (!parent) return false;
  SFGAOF attributes = 0x40000177;
  LPCITEMIDLIST items[] = {FRelIdList};
  return SUCCEEDED(parent->GetAttributesOf(1, items, &attributes)) && (attributes & SFGAO_CANRENAME);
}

void TNavShTreeData::SetRelIdList(LPCITEMIDLIST list) {
  LPITEMIDLIST copy = CopyPidl(FMalloc, list);
  FreeList(FAbsIdList);
  FreeList(FRelIdList);
  if (FBoundFolder) FBoundFolder->Release();
  FBoundFolder = nullptr;
  FRelIdList = copy;
  AbsIdList();
}

void TNavShTreeData::Invalidate() {
  FreeList(FAbsIdList);
  if (FBoundFolder) FBoundFolder->Release();
  FBoundFolder = nullptr;
}

HRESULT TNavShTreeData::GetDropTarget(HWND window, IDropTarget** target) {
  if (!target) return E_POINTER;
  *target = nullptr;
  if (FParent) {
    IShellFolder* parent = ParentFolder();
    if (!parent) return E_FAIL;
    LPCITEMIDLIST items[] = {FRelIdList};
    return parent->GetUIObjectOf(window, 1, items, IID_IDropTarget, nullptr, reinterpret_cast<void**>(target));
  }
  LPCITEMIDLIST absolute = AbsIdList();
  if (absolute) return GetUIObjectOfPidl(absolute, IID_IDropTarget, reinterpret_cast<void**>(target));
  return GetDesktopDropTarget(target);
}
