// TNavShComboData: what an entry of the shell combo knows of its folder.
#pragma once

#include "platform/vcl/Classes.h"
#include "platform/win/shlobj.h"

class TNavCustomShellCombo;

class TNavShComboData : public TObject {
  DRUMS_CLASS(TNavShComboData, TObject)

 public:
  explicit TNavShComboData(TNavCustomShellCombo* combo) : FCombo(combo) {}
  ~TNavShComboData() override;
  TNavShComboData(const TNavShComboData&) = delete;
  TNavShComboData& operator=(const TNavShComboData&) = delete;

  // Copies both lists and takes a reference on the folder; the absolute list
  // joins them (the desktop entry passes nil for all three: the empty list).
  void Init(IShellFolder* parentFolder, LPCITEMIDLIST parentAbsolute, LPCITEMIDLIST relative);

  TNavCustomShellCombo* GetCombo() const { return FCombo; }
  IShellFolder* GetParentFolder() const { return FParentFolder; }
  LPCITEMIDLIST GetParentIdList() const { return FParentIdList; }
  LPCITEMIDLIST GetRelIdList() const { return FRelIdList; }
  LPCITEMIDLIST GetAbsIdList() const { return FAbsIdList; }

 private:
  void Free();

  TNavCustomShellCombo* FCombo;
  IShellFolder* FParentFolder = nullptr;
  LPITEMIDLIST FParentIdList = nullptr;
  LPITEMIDLIST FRelIdList = nullptr;
  LPITEMIDLIST FAbsIdList = nullptr;
};
