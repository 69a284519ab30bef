// The list of formats a data object offers, and its IEnumFORMATETC.
#pragma once

#include <initializer_list>
#include <vector>

#include "controls/shell/UNavShellControls/ComObject.h"
#include "platform/vcl/Classes.h"
#include "platform/win/objidl.h"

// Separately allocated FORMATETC records, each with its own copy of its
// target-device block.
class TNavFormatEtcList : public TObject {
  DRUMS_CLASS(TNavFormatEtcList, TObject)

 public:
  TNavFormatEtcList() = default;
  // One entry per clipboard format: no target device, DVASPECT_CONTENT,
  // lindex -1, TYMED_HGLOBAL.
  explicit TNavFormatEtcList(std::initializer_list<CLIPFORMAT> formats);
  ~TNavFormatEtcList() override;
  TNavFormatEtcList(const TNavFormatEtcList&) = delete;
  TNavFormatEtcList& operator=(const TNavFormatEtcList&) = delete;

  // A deep copy of the record is kept.
  void Add(const FORMATETC& format);
  int GetCount() const { return static_cast<int>(FItems.size()); }
  const FORMATETC& GetItems(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
  void Clear();

  // DV_E_FORMATETC for another aspect or an absent format; DV_E_TYMED for a
  // format offered only on other media; S_OK otherwise.
  HRESULT QueryGetData(const FORMATETC& format) const;

 private:
  std::vector<FORMATETC*> FItems;
};

// Walks a format list it does not own, from a position. The list's owner,
// when given, is kept alive by the enumerator (and its clones), so an
// enumerator handed out by a data object stays valid after the caller has
// released the data object.
class TNavFormatEtcList_IEnumFormatEtc : public TNavComObject<IEnumFORMATETC> {
 public:
  TNavFormatEtcList_IEnumFormatEtc(const TNavFormatEtcList* list, int position, IUnknown* listOwner = nullptr);
  ~TNavFormatEtcList_IEnumFormatEtc() override;

  // Copies up to count records on from the position; S_FALSE when fewer.
  HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
  HRESULT Skip(ULONG count) override;
  HRESULT Reset() override;
  // A new enumerator at the same position, with one reference.
  HRESULT Clone(IEnumFORMATETC** clone) override;

 protected:
  const IID& InterfaceId() const override { return IID_IEnumFORMATETC; }

 private:
  const TNavFormatEtcList* FList;
  int FPosition;
  IUnknown* FListOwner;
};

// A copy of a FORMATETC whose target device is a new block (CoTaskMemAlloc).
FORMATETC CopyFormatEtc(const FORMATETC& format);
