#include "platform/win/kernel/handles.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

#include "platform/win/kernel/handle_table.h"
#include "platform/win/winbase.h"

namespace win::kernel {
namespace {

using Table = HandleTable<std::shared_ptr<Object>>;

Table& TheTable() {
  static Table* table = new Table(4);  // outlives every static destructor
  return *table;
}

}  // namespace

std::mutex& WaitLock() {
  static std::mutex* lock = new std::mutex;
  return *lock;
}

HANDLE AddHandle(std::shared_ptr<Object> object) {
  return reinterpret_cast<HANDLE>(TheTable().Add(std::move(object)));
}

std::shared_ptr<Object> FindHandle(HANDLE handle) {
  return TheTable().Find(reinterpret_cast<std::uintptr_t>(handle));
}

std::shared_ptr<Object> TakeHandle(HANDLE handle) {
  return TheTable().Take(reinterpret_cast<std::uintptr_t>(handle));
}

long CurrentTid() {
  thread_local long tid = static_cast<long>(syscall(SYS_gettid));
  return tid;
}

}  // namespace win::kernel

BOOL CloseHandle(HANDLE hObject) {
  // The object itself goes when its last user lets go (a running thread
  // keeps its own object alive).
  if (!win::kernel::TakeHandle(hObject)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
