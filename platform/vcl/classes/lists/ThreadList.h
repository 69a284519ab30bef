// TThreadList: a TList behind a lock, for lists that several threads share.
#pragma once

#include <mutex>

// TDuplicates (dupIgnore, dupAccept, dupError) is shared with TStringList.
#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/classes/lists/List.h"

class TThreadList {
 public:
  TThreadList() = default;
  TThreadList(const TThreadList&) = delete;
  TThreadList& operator=(const TThreadList&) = delete;

  // Add checks for the item first unless Duplicates is dupAccept; dupError
  // raises EListError "Duplicates not allowed in this list ($%x)".
  void Add(void* item);
  void Remove(void* item);
  void Clear();
  // Locks (recursively, on this thread) and hands out the list; every
  // LockList needs its UnlockList.
  TList* LockList();
  void UnlockList();

  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }

 private:
  std::recursive_mutex FLock;
  TList FList;
  TDuplicates FDuplicates = dupIgnore;
};
