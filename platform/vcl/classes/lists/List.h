// TList: a growable array of pointer-sized items.
#pragma once

#include <functional>
#include <vector>

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// < 0 when item1 sorts before item2, 0 when equal, > 0 after.
using TListSortCompare = std::function<int(void* item1, void* item2)>;

class TList {
 public:
  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  virtual ~TList();

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first occurrence; returns its former index or -1.
  int Remove(void* item);
  // Removes the first occurrence without the delete notification; returns
  // the item, or nullptr when absent.
  void* Extract(void* item);
  int IndexOf(void* item) const;
  virtual void Clear();
  void Exchange(int index1, int index2);
  // Takes the item at curIndex out and puts it at newIndex.
  void Move(int curIndex, int newIndex);
  // Removes every nullptr item.
  void Pack();
  // Quicksort: items that compare equal may change their order.
  void Sort(const TListSortCompare& compare);
  void* First() const;
  void* Last() const;
  TList* Expand();

  // Items[]: a bad index raises EListError "List index out of bounds (%d)".
  void* Get(int index) const;
  void Put(int index, void* item);
  void* operator[](int index) const { return Get(index); }
  int GetCount() const { return static_cast<int>(FList.size()); }
  // Growing adds nullptr items; shrinking deletes the items past the end.
  void SetCount(int newCount);
  int GetCapacity() const { return FCapacity; }
  // Below Count raises EListError "List capacity out of bounds (%d)".
  void SetCapacity(int newCapacity);
  // The items as an array of Count entries (valid until the list changes).
  void* const* GetList() const { return FList.data(); }

 protected:
  // Called after an item is added and after one is taken out (never for nullptr).
  virtual void Notify(void* item, TListNotification action);
  virtual void Grow();
  [[noreturn]] static void Error(const char* message, int data);

 private:
  std::vector<void*> FList;
  int FCapacity = 0;
};
