#include "controls/shell/UNavShellUtils/PidlList.h"

#include <algorithm>
#include <cstring>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/vcl/SysUtils.h"

namespace {

struct TPidlEntry {
  LPITEMIDLIST Pidl;
  TObject* Object;
};

TPidlEntry* EntryOf(void* item) {
  return static_cast<TPidlEntry*>(item);
}

// The folder whose order a running sort or search uses; one process-wide
// slot, so sorting is not re-entrant (nothing sorts from a comparison).
IShellFolder* g_compareFolder = nullptr;

struct TCompareSlot {
  explicit TCompareSlot(IShellFolder* folder) { g_compareFolder = folder; }
  ~TCompareSlot() { g_compareFolder = nullptr; }
};

int CompareInSlot(LPCITEMIDLIST a, LPCITEMIDLIST b) {
  if (!g_compareFolder) return ComparePidlBytes(a, b);
  return static_cast<short>(static_cast<USHORT>(g_compareFolder->CompareIDs(0, a, b) & 0xFFFF));
}

}  // namespace

int ComparePidlBytes(LPCITEMIDLIST a, LPCITEMIDLIST b) {
  const int sizeA = PidlSize(a);
  const int sizeB = PidlSize(b);
  const int common = std::min(sizeA, sizeB);
  if (common > 0) {
    const int order = std::memcmp(a, b, static_cast<std::size_t>(common));
    if (order != 0) return order < 0 ? -1 : 1;
  }
  return sizeA < sizeB ? -1 : (sizeA > sizeB ? 1 : 0);
}

TNavPidlList::TNavPidlList() = default;

TNavPidlList::~TNavPidlList() {
  Clear();
}

LPITEMIDLIST TNavPidlList::GetPidls(int index) const {
  return EntryOf(FList.Get(index))->Pidl;
}

TObject* TNavPidlList::GetObjects(int index) const {
  return EntryOf(FList.Get(index))->Object;
}

int TNavPidlList::Add(LPITEMIDLIST list) {
  return AddObject(list, nullptr);
}

int TNavPidlList::AddObject(LPITEMIDLIST list, TObject* object) {
  int index = GetCount();
  if (FSorted) {
    if (Find(list, index)) {
      if (FDuplicates == pdIgnore) return index;
      if (FDuplicates == pdError) throw Exception(SNavDuplicatePidl);
    }
  }
  FList.Insert(index, new TPidlEntry{list, object});
  return index;
}

void TNavPidlList::Delete(int index) {
  TPidlEntry* entry = EntryOf(FList.Get(index));
  if (FMalloc && entry->Pidl) FMalloc->Free(entry->Pidl);
  delete entry;
  FList.Delete(index);
}

void TNavPidlList::Clear() {
  const int count = GetCount();
  if (FMalloc)
    for (int i = 0; i < count; ++i)
      if (LPITEMIDLIST pidl = EntryOf(FList.Get(i))->Pidl) FMalloc->Free(pidl);
  for (int i = 0; i < count; ++i) delete EntryOf(FList.Get(i));
  FList.Clear();
}

void TNavPidlList::Sort() {
  TCompareSlot slot(FShellFolder);
  FList.Sort([](void* a, void* b) { return CompareInSlot(EntryOf(a)->Pidl, EntryOf(b)->Pidl); });
}

void TNavPidlList::SetSorted(bool value) {
  if (FSorted == value) return;
  if (value) Sort();
  FSorted = value;
}

bool TNavPidlList::Find(LPCITEMIDLIST list, int& index) {
  TCompareSlot slot(FShellFolder);
  bool found = false;
  int low = 0;
  int high = GetCount() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = CompareInSlot(EntryOf(FList.Get(middle))->Pidl, list);
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (order == 0) {
        found = true;
        if (FDuplicates != pdAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

int TNavPidlList::IndexOf(LPCITEMIDLIST list) {
  if (FSorted) {
    int index = 0;
    return Find(list, index) ? index : -1;
  }
  TCompareSlot slot(FShellFolder);
  for (int i = 0; i < GetCount(); ++i)
    if (CompareInSlot(EntryOf(FList.Get(i))->Pidl, list) == 0) return i;
  return -1;
}
