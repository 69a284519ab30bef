#include <mutex>

#include "platform/win/kernel/handles.h"
#include "platform/win/winbase.h"

namespace {
std::recursive_mutex& Impl(LPCRITICAL_SECTION cs) {
  return *static_cast<std::recursive_mutex*>(cs->Impl);
}
}  // namespace

void InitializeCriticalSection(LPCRITICAL_SECTION cs) {
  *cs = CRITICAL_SECTION{};
  cs->Impl = new std::recursive_mutex;
  cs->LockCount = -1;
}

void EnterCriticalSection(LPCRITICAL_SECTION cs) {
  Impl(cs).lock();
  cs->OwningThread = reinterpret_cast<HANDLE>(win::kernel::CurrentTid());
  ++cs->RecursionCount;
}

BOOL TryEnterCriticalSection(LPCRITICAL_SECTION cs) {
  if (!Impl(cs).try_lock()) return FALSE;
  cs->OwningThread = reinterpret_cast<HANDLE>(win::kernel::CurrentTid());
  ++cs->RecursionCount;
  return TRUE;
}

void LeaveCriticalSection(LPCRITICAL_SECTION cs) {
  if (--cs->RecursionCount == 0) cs->OwningThread = nullptr;
  Impl(cs).unlock();
}

void DeleteCriticalSection(LPCRITICAL_SECTION cs) {
  delete static_cast<std::recursive_mutex*>(cs->Impl);
  cs->Impl = nullptr;
}

LONG InterlockedIncrement(LONG volatile* a) {
  return __atomic_add_fetch(a, 1, __ATOMIC_SEQ_CST);
}
LONG InterlockedDecrement(LONG volatile* a) {
  return __atomic_sub_fetch(a, 1, __ATOMIC_SEQ_CST);
}
LONG InterlockedExchange(LONG volatile* t, LONG v) {
  return __atomic_exchange_n(t, v, __ATOMIC_SEQ_CST);
}
LONG InterlockedExchangeAdd(LONG volatile* a, LONG v) {
  return __atomic_fetch_add(a, v, __ATOMIC_SEQ_CST);
}
LONG InterlockedCompareExchange(LONG volatile* d, LONG exchange, LONG comperand) {
  __atomic_compare_exchange_n(d, &comperand, exchange, false, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST);
  return comperand;  // the value found, as on Windows
}
