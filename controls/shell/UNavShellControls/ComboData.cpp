#include "controls/shell/UNavShellControls/ComboData.h"

#include "controls/shell/UNavShellUtils.h"

TNavShComboData::~TNavShComboData() {
  Free();
}

void TNavShComboData::Free() {
  if (FParentFolder) FParentFolder->Release();
  FParentFolder = nullptr;
  ShellFree(FParentIdList);
  ShellFree(FRelIdList);
  ShellFree(FAbsIdList);
  FParentIdList = FRelIdList = FAbsIdList = nullptr;
}

void TNavShComboData::Init(IShellFolder* parentFolder, LPCITEMIDLIST parentAbsolute, LPCITEMIDLIST relative) {
  if (parentFolder) parentFolder->AddRef();
  Free();
  FParentFolder = parentFolder;
  FParentIdList = CopyPidl(nullptr, parentAbsolute);
  FRelIdList = CopyPidl(nullptr, relative);
  FAbsIdList = ConcatPidls(nullptr, parentAbsolute, relative);
}
