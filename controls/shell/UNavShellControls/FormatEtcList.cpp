#include "controls/shell/UNavShellControls/FormatEtcList.h"

#include <cstring>

namespace {

// The size of a target-device block is its first 32-bit field.
std::size_t TargetDeviceSize(const DVTARGETDEVICE* device) {
  DWORD size = 0;
  std::memcpy(&size, device, sizeof size);
  return size;
}

}  // namespace

FORMATETC CopyFormatEtc(const FORMATETC& format) {
  FORMATETC copy = format;
  copy.ptd = nullptr;
  if (format.ptd) {
    const std::size_t size = TargetDeviceSize(format.ptd);
    if (size >= sizeof(DWORD)) {
      copy.ptd = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(size));
      if (copy.ptd) std::memcpy(copy.ptd, format.ptd, size);
    }
  }
  return copy;
}

TNavFormatEtcList::TNavFormatEtcList(std::initializer_list<CLIPFORMAT> formats) {
  for (CLIPFORMAT format : formats) Add({format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
}

TNavFormatEtcList::~TNavFormatEtcList() {
  Clear();
}

void TNavFormatEtcList::Add(const FORMATETC& format) {
  FItems.push_back(new FORMATETC(CopyFormatEtc(format)));
}

void TNavFormatEtcList::Clear() {
  for (FORMATETC* item : FItems) {
    CoTaskMemFree(item->ptd);
    delete item;
  }
  FItems.clear();
}

HRESULT TNavFormatEtcList::QueryGetData(const FORMATETC& format) const {
  if (format.dwAspect != DVASPECT_CONTENT) return DV_E_FORMATETC;
  bool present = false;
  for (const FORMATETC* item : FItems) {
    if (item->cfFormat != format.cfFormat) continue;
    if (item->tymed & format.tymed) return S_OK;
    present = true;
  }
  return present ? DV_E_TYMED : DV_E_FORMATETC;
}

TNavFormatEtcList_IEnumFormatEtc::TNavFormatEtcList_IEnumFormatEtc(const TNavFormatEtcList* list, int position,
                                                                   IUnknown* listOwner)
    : FList(list), FPosition(position), FListOwner(listOwner) {
  if (FListOwner) FListOwner->AddRef();
}

TNavFormatEtcList_IEnumFormatEtc::~TNavFormatEtcList_IEnumFormatEtc() {
  if (FListOwner) FListOwner->Release();
}

HRESULT TNavFormatEtcList_IEnumFormatEtc::Next(ULONG count, FORMATETC* formats, ULONG* fetched) {
  ULONG copied = 0;
  if (formats) {
    while (copied < count && FPosition < FList->GetCount()) {
      formats[copied++] = CopyFormatEtc(FList->GetItems(FPosition++));
    }
  }
  if (fetched) *fetched = copied;
  return copied < count ? S_FALSE : S_OK;
}

HRESULT TNavFormatEtcList_IEnumFormatEtc::Skip(ULONG count) {
  const ULONG left = static_cast<ULONG>(FList->GetCount() - FPosition);
  if (left < count) {
    FPosition = FList->GetCount();
    return S_FALSE;
  }
  FPosition += static_cast<int>(count);
  return S_OK;
}

HRESULT TNavFormatEtcList_IEnumFormatEtc::Reset() {
  FPosition = 0;
  return S_OK;
}

HRESULT TNavFormatEtcList_IEnumFormatEtc::Clone(IEnumFORMATETC** clone) {
  if (!clone) return E_POINTER;
  auto* copy = new TNavFormatEtcList_IEnumFormatEtc(FList, FPosition, FListOwner);
  return copy->QueryInterface(IID_IEnumFORMATETC, reinterpret_cast<void**>(clone));
}
