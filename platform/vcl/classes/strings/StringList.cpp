#include "platform/vcl/classes/strings/StringList.h"

#include <utility>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/StringUtils.h"

TStringList::~TStringList() {
  FOnChange = nullptr;
  FOnChanging = nullptr;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
}

void TStringList::Changed() {
  if (GetUpdateCount() == 0 && FOnChange) FOnChange(this);
}

void TStringList::Changing() {
  if (GetUpdateCount() == 0 && FOnChanging) FOnChanging(this);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(const std::string& s1, const std::string& s2) const {
  return FCaseSensitive ? AnsiCompareStr(s1, s2) : AnsiCompareText(s1, s2);
}

int TStringList::Add(const std::string& s) {
  return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = GetCount();
  if (FSorted && Find(s, index)) {
    switch (FDuplicates) {
      case dupIgnore: return index;
      case dupError: throw EStringListError("String list does not allow duplicates");
      case dupAccept: break;
    }
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
  Changing();
  FList.insert(FList.begin() + index, Item{s, object});
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  FList.erase(FList.begin() + index);
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(FList[static_cast<std::size_t>(index1)], FList[static_cast<std::size_t>(index2)]);
  Changed();
}

bool TStringList::Find(const std::string& s, int& index) {
  bool found = false;
  int low = 0, high = GetCount() - 1;
  while (low <= high) {
    int i = (low + high) / 2;
    int c = CompareStrings(FList[static_cast<std::size_t>(i)].String, s);
    if (c < 0) {
      low = i + 1;
    } else {
      high = i - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) low = i;
      }
    }
  }
  index = low;
  return found;
}

int TStringList::IndexOf(const std::string& s) {
  if (!FSorted) return TStrings::IndexOf(s);
  int index;
  return Find(s, index) ? index : -1;
}

void TStringList::Insert(int index, const std::string& s) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
  if (index < 0 || index > GetCount()) Error("List index out of bounds (%d)", index);
  InsertItem(index, s, nullptr);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return FList[static_cast<std::size_t>(index)].String;
}

void TStringList::Put(int index, const std::string& s) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
  CheckIndex(index);
  Changing();
  FList[static_cast<std::size_t>(index)].String = s;
  Changed();
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return FList[static_cast<std::size_t>(index)].Object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  FList[static_cast<std::size_t>(index)].Object = object;
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (FSorted == value) return;
  if (value) Sort();
  FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (FCaseSensitive == value) return;
  FCaseSensitive = value;
  if (FSorted) Sort();
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int a, int b) {
    return list->CompareStrings(list->FList[static_cast<std::size_t>(a)].String,
                                list->FList[static_cast<std::size_t>(b)].String);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (GetCount() <= 1) return;
  Changing();
  QuickSort(0, GetCount() - 1, compare);
  Changed();
}

// The comparer sees indexes into the list, so the list is sorted in place.
void TStringList::QuickSort(int left, int right, const TStringListSortCompare& compare) {
  int i;
  do {
    i = left;
    int j = right;
    int pivot = (left + right) / 2;
    do {
      while (compare(this, i, pivot) < 0) ++i;
      while (compare(this, j, pivot) > 0) --j;
      if (i <= j) {
        if (i != j) std::swap(FList[static_cast<std::size_t>(i)], FList[static_cast<std::size_t>(j)]);
        if (pivot == i)
          pivot = j;
        else if (pivot == j)
          pivot = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) QuickSort(left, j, compare);
    left = i;
  } while (i < right);
}
