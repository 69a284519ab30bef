#include "controls/shell/UNavShellControls/ShellDetails.h"

IShellDetails* GetShellDetails(IShellFolder* folder) {
  if (!folder) return nullptr;
  IShellDetails* details = nullptr;
  IShellFolder2* folder2 = nullptr;
  if (SUCCEEDED(folder->QueryInterface(IID_IShellFolder2, reinterpret_cast<void**>(&folder2))) && folder2) {
    SHELLDETAILS heading{};
    if (SUCCEEDED(folder2->GetDetailsOf(nullptr, 0, &heading))) {
      if (heading.str.uType == STRRET_WSTR && heading.str.pOleStr) CoTaskMemFree(heading.str.pOleStr);
      auto* adapter = new TShellFolder2ToShellDetailsAdapter(folder2);
      adapter->QueryInterface(IID_IShellDetails, reinterpret_cast<void**>(&details));
    }
    folder2->Release();
    if (details) return details;
  }
  if (FAILED(folder->CreateViewObject(nullptr, IID_IShellDetails, reinterpret_cast<void**>(&details)))) return nullptr;
  return details;
}

TShellFolder2ToShellDetailsAdapter::TShellFolder2ToShellDetailsAdapter(IShellFolder2* folder) : FFolder(folder) {
  FFolder->AddRef();
}

TShellFolder2ToShellDetailsAdapter::~TShellFolder2ToShellDetailsAdapter() {
  FFolder->Release();
}

HRESULT TShellFolder2ToShellDetailsAdapter::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IShellDetails) {
    *ppv = static_cast<IShellDetails*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

ULONG TShellFolder2ToShellDetailsAdapter::AddRef() {
  return static_cast<ULONG>(++FRefCount);
}

ULONG TShellFolder2ToShellDetailsAdapter::Release() {
  const LONG left = --FRefCount;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT TShellFolder2ToShellDetailsAdapter::GetDetailsOf(LPCITEMIDLIST pidl, UINT iColumn, SHELLDETAILS* pDetails) {
  SHCOLSTATEF state = 0;
  const HRESULT known = FFolder->GetDefaultColumnState(iColumn, &state);
  if (FAILED(known) || (state & SHCOLSTATE_ONBYDEFAULT)) return FFolder->GetDetailsOf(pidl, iColumn, pDetails);
  return E_INVALIDARG;
}

HRESULT TShellFolder2ToShellDetailsAdapter::ColumnClick(UINT) {
  return E_NOTIMPL;
}
