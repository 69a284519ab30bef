// The data objects of dragged shell items: one tree node, or a shell list's
// selection. Both offer "Shell IDList Array" and CF_HDROP, built at creation.
#pragma once

#include <memory>
#include <vector>

#include "controls/shell/UNavShellControls/ComObject.h"
#include "controls/shell/UNavShellControls/FormatEtcList.h"
#include "controls/shell/UNavShellControls/TreeData.h"
#include "platform/win/ole2.h"
#include "platform/win/shlobj.h"

// What a data object needs of a shell list.
class INavShellSelection {
 public:
  // The absolute list of the listed folder (nil or empty: the desktop).
  virtual LPCITEMIDLIST GetPidl() = 0;
  // The listed folder, bound; not counted for the caller.
  virtual IShellFolder* GetSelectionFolder() = 0;
  // The relative list of every selected item in item order, nil for an item
  // that carries no shell data.
  virtual std::vector<LPCITEMIDLIST> GetSelectedRelIdLists() = 0;

 protected:
  ~INavShellSelection() = default;
};

// The common part: the two blocks (owned, freed with GlobalFree) and the
// format list.
class TNavDataObject : public TNavComObject<IDataObject> {
 public:
  HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT QueryGetData(FORMATETC* format) override;
  HRESULT GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
  HRESULT SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
  HRESULT DUnadvise(DWORD connection) override;
  HRESULT EnumDAdvise(IEnumSTATDATA** advises) override;

 protected:
  TNavDataObject();
  ~TNavDataObject() override;
  const IID& InterfaceId() const override { return IID_IDataObject; }
  // Builds both blocks; the paths are the items' for-parsing names in the
  // folder.
  void BuildBlocks(IShellFolder* folder, LPCITEMIDLIST parent, const std::vector<LPCITEMIDLIST>& children);

 private:
  HGLOBAL FHDrop = nullptr;
  HGLOBAL FShellIdList = nullptr;
  std::unique_ptr<TNavFormatEtcList> FFormats;
};

// One tree node: its relative list as the only child of its parent node's
// absolute list; the path is its for-parsing name in the parent node's
// folder. A node without shell data (nil) leaves both blocks empty; the
// root node, whose list is absolute, is split into its parent and its item.
class TDataObject_shtv : public TNavDataObject {
 public:
  explicit TDataObject_shtv(TNavShTreeData* node);
  TDataObject_shtv(IShellFolder* parentFolder, LPCITEMIDLIST parentAbsolute, LPCITEMIDLIST childRelative);
};

// A shell list's selection. Raises the silent EAbort when no selected item
// carries shell data.
class TDataObject_shlv : public TNavDataObject {
 public:
  explicit TDataObject_shlv(INavShellSelection& list);
};
