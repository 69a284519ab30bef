#include "platform/vcl/classes/lists/List.h"

#include <algorithm>

#include "platform/vcl/rtl/Exceptions.h"

TList::~TList() {
  // Derived lists clear in their own destructors; here only the storage goes.
}

void TList::Error(const char* message, int data) {
  throw EListError(message, {data});
}

void TList::Grow() {
  int delta = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
  SetCapacity(FCapacity + delta);
}

int TList::Add(void* item) {
  int index = GetCount();
  if (index == FCapacity) Grow();
  FList.push_back(item);
  if (item) Notify(item, lnAdded);
  return index;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > GetCount()) Error("List index out of bounds (%d)", index);
  if (GetCount() == FCapacity) Grow();
  FList.insert(FList.begin() + index, item);
  if (item) Notify(item, lnAdded);
}

void TList::Delete(int index) {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  void* item = FList[index];
  FList.erase(FList.begin() + index);
  if (item) Notify(item, lnDeleted);
}

int TList::Remove(void* item) {
  int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  int index = IndexOf(item);
  if (index < 0) return nullptr;
  FList.erase(FList.begin() + index);
  if (item) Notify(item, lnExtracted);
  return item;
}

int TList::IndexOf(void* item) const {
  auto it = std::find(FList.begin(), FList.end(), item);
  return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

void TList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

void TList::Exchange(int index1, int index2) {
  if (index1 < 0 || index1 >= GetCount()) Error("List index out of bounds (%d)", index1);
  if (index2 < 0 || index2 >= GetCount()) Error("List index out of bounds (%d)", index2);
  std::swap(FList[index1], FList[index2]);
}

void TList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  if (newIndex < 0 || newIndex >= GetCount()) Error("List index out of bounds (%d)", newIndex);
  if (curIndex < 0 || curIndex >= GetCount()) Error("List index out of bounds (%d)", curIndex);
  void* item = FList[curIndex];
  FList.erase(FList.begin() + curIndex);
  FList.insert(FList.begin() + newIndex, item);
}

void TList::Pack() {
  for (int i = GetCount() - 1; i >= 0; --i)
    if (!FList[i]) FList.erase(FList.begin() + i);
}

namespace {

// Hoare partition around the middle item. The scans are bounded so that a
// comparison that is not a consistent order cannot run off the array.
void QuickSort(std::vector<void*>& a, int l, int r, const TListSortCompare& compare) {
  while (true) {
    int i = l, j = r;
    void* p = a[(l + r) >> 1];
    do {
      while (i < r && compare(a[i], p) < 0) ++i;
      while (j > l && compare(a[j], p) > 0) --j;
      if (i <= j) {
        std::swap(a[i], a[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) QuickSort(a, l, j, compare);
    l = i;
    if (i >= r) break;
  }
}

}  // namespace

void TList::Sort(const TListSortCompare& compare) {
  if (GetCount() > 1) QuickSort(FList, 0, GetCount() - 1, compare);
}

void* TList::First() const {
  return Get(0);
}
void* TList::Last() const {
  return Get(GetCount() - 1);
}

TList* TList::Expand() {
  if (GetCount() == FCapacity) Grow();
  return this;
}

void* TList::Get(int index) const {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  return FList[index];
}

void TList::Put(int index, void* item) {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  void* old = FList[index];
  if (old == item) return;
  FList[index] = item;
  if (old) Notify(old, lnDeleted);
  if (item) Notify(item, lnAdded);
}

void TList::SetCount(int newCount) {
  if (newCount < 0) Error("List count out of bounds (%d)", newCount);
  if (newCount > FCapacity) SetCapacity(newCount);
  if (newCount > GetCount()) {
    FList.resize(newCount, nullptr);
  } else {
    for (int i = GetCount() - 1; i >= newCount; --i) Delete(i);
  }
}

void TList::SetCapacity(int newCapacity) {
  if (newCapacity < GetCount()) Error("List capacity out of bounds (%d)", newCapacity);
  FCapacity = newCapacity;
  if (newCapacity == 0) {
    std::vector<void*>().swap(FList);
  } else {
    FList.reserve(static_cast<std::size_t>(newCapacity));
  }
}

void TList::Notify(void*, TListNotification) {}
