#include "controls/shell/UNavShellControls/DataObjects.h"

#include "controls/shell/UNavShellControls/PidlUIObjects.h"
#include "controls/shell/UNavShellControls/TransferBlocks.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/win/commctrl.h"  // the image lists ShellItems.h names
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

TNavDataObject::TNavDataObject() : FFormats(new TNavFormatEtcList({CF_SHELLIDLIST(), CF_HDROP})) {}

TNavDataObject::~TNavDataObject() {
  if (FHDrop) GlobalFree(FHDrop);
  if (FShellIdList) GlobalFree(FShellIdList);
}

void TNavDataObject::BuildBlocks(IShellFolder* folder, LPCITEMIDLIST parent,
                                 const std::vector<LPCITEMIDLIST>& children) {
  std::vector<std::string> paths;
  for (LPCITEMIDLIST child : children) paths.push_back(GetDisplayName(folder, child, nkForParsing));
  // A failed allocation leaves that block out.
  if (FAILED(CreateShellIdListData(parent, children, FShellIdList))) FShellIdList = nullptr;
  if (FAILED(CreateHDropData(paths, FHDrop))) FHDrop = nullptr;
}

HRESULT TNavDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!format || !medium) return E_INVALIDARG;
  if (const HRESULT check = FFormats->QueryGetData(*format); FAILED(check)) return check;
  HGLOBAL source;
  if (format->cfFormat == CF_SHELLIDLIST())
    source = FShellIdList;
  else if (format->cfFormat == CF_HDROP)
    source = FHDrop;
  else
    return DV_E_FORMATETC;
  HGLOBAL copy = DuplicateGlobal(source);
  if (!copy) return E_OUTOFMEMORY;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TNavDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) {
  return E_NOTIMPL;
}

HRESULT TNavDataObject::QueryGetData(FORMATETC* format) {
  if (!format) return E_INVALIDARG;
  return FFormats->QueryGetData(*format);
}

HRESULT TNavDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TNavDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) {
  return E_NOTIMPL;
}

HRESULT TNavDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (!formats) return E_POINTER;
  *formats = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  auto* enumerator = new TNavFormatEtcList_IEnumFormatEtc(FFormats.get(), 0, this);
  return enumerator->QueryInterface(IID_IEnumFORMATETC, reinterpret_cast<void**>(formats));
}

HRESULT TNavDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TNavDataObject::DUnadvise(DWORD) {
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TNavDataObject::EnumDAdvise(IEnumSTATDATA**) {
  return OLE_E_ADVISENOTSUPPORTED;
}

TDataObject_shtv::TDataObject_shtv(TNavShTreeData* node) {
  if (!node) return;
  if (TNavShTreeData* parent = node->GetParent()) {
    BuildBlocks(node->ParentFolder(), parent->AbsIdList(), {node->GetRelIdList()});
    return;
  }
  IShellFolder* folder = nullptr;
  LPITEMIDLIST parentList = nullptr, child = nullptr;
  if (SUCCEEDED(SplitPidl(node->AbsIdList(), &folder, &parentList, &child))) {
    BuildBlocks(folder, parentList, {child});
    folder->Release();
  }
  ShellFree(parentList);
  ShellFree(child);
}

TDataObject_shtv::TDataObject_shtv(IShellFolder* parentFolder, LPCITEMIDLIST parentAbsolute,
                                   LPCITEMIDLIST childRelative) {
  if (childRelative) BuildBlocks(parentFolder, parentAbsolute, {childRelative});
}

TDataObject_shlv::TDataObject_shlv(INavShellSelection& list) {
  std::vector<LPCITEMIDLIST> children;
  for (LPCITEMIDLIST child : list.GetSelectedRelIdLists()) {
    if (child) children.push_back(child);
  }
  if (children.empty()) Abort();
  BuildBlocks(list.GetSelectionFolder(), list.GetPidl(), children);
}
