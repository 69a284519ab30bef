// Detail columns for the shell list: GetShellDetails finds a folder's column
// source, and TShellFolder2ToShellDetailsAdapter shows the default columns of
// an IShellFolder2 through IShellDetails.
#pragma once

#include <atomic>

#include "platform/win/shlobj.h"

// The folder's column source, owned by the caller, or nil: an adapter over
// its IShellFolder2 when that answers column 0, else its view object's
// IShellDetails.
IShellDetails* GetShellDetails(IShellFolder* folder);

class TShellFolder2ToShellDetailsAdapter : public IShellDetails {
 public:
  // Holds a reference on the folder until it is freed.
  explicit TShellFolder2ToShellDetailsAdapter(IShellFolder2* folder);
  TShellFolder2ToShellDetailsAdapter(const TShellFolder2ToShellDetailsAdapter&) = delete;
  TShellFolder2ToShellDetailsAdapter& operator=(const TShellFolder2ToShellDetailsAdapter&) = delete;

  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  ULONG AddRef() override;
  ULONG Release() override;
  // A column the folder does not show by default answers E_INVALIDARG, so a
  // caller counting columns up to the first failure sees the default ones.
  HRESULT GetDetailsOf(LPCITEMIDLIST pidl, UINT iColumn, SHELLDETAILS* pDetails) override;
  HRESULT ColumnClick(UINT iColumn) override;

 private:
  virtual ~TShellFolder2ToShellDetailsAdapter();

  std::atomic<LONG> FRefCount{0};
  IShellFolder2* FFolder;
};
