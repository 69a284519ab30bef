#include "platform/vcl/classes/lists/ThreadList.h"

#include "platform/vcl/rtl/Exceptions.h"

void TThreadList::Add(void* item) {
  std::lock_guard<std::recursive_mutex> guard(FLock);
  if (FDuplicates == dupAccept || FList.IndexOf(item) == -1) {
    FList.Add(item);
  } else if (FDuplicates == dupError) {
    throw EListError("Duplicates not allowed in this list ($%x)", {reinterpret_cast<std::uintptr_t>(item)});
  }
}

void TThreadList::Remove(void* item) {
  std::lock_guard<std::recursive_mutex> guard(FLock);
  FList.Remove(item);
}

void TThreadList::Clear() {
  std::lock_guard<std::recursive_mutex> guard(FLock);
  FList.Clear();
}

TList* TThreadList::LockList() {
  FLock.lock();
  return &FList;
}

void TThreadList::UnlockList() {
  FLock.unlock();
}
