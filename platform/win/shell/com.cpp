// COM start-up and the task allocator. There is one apartment per thread,
// counted only so that CoInitialize answers S_OK first and S_FALSE after.
#include <malloc.h>

#include <cstdlib>

#include "platform/win/ole2.h"
#include "platform/win/shell/com_base.h"
#include "platform/win/shell/shell32_resources.h"

namespace {

thread_local int initialisations = 0;

class TaskAllocator final : public IMalloc {
 public:
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IMalloc) {
      *ppv = this;
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  // The process's one allocator lives as long as the process.
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }
  void* Alloc(SIZE_T cb) override { return std::malloc(cb ? cb : 1); }
  void* Realloc(void* pv, SIZE_T cb) override { return std::realloc(pv, cb ? cb : 1); }
  void Free(void* pv) override { std::free(pv); }
  SIZE_T GetSize(void* pv) override { return pv ? malloc_usable_size(pv) : static_cast<SIZE_T>(-1); }
  int DidAlloc(void* pv) override { return pv ? -1 : 0; }
  void HeapMinimize() override {}
};

TaskAllocator allocator;

}  // namespace

HRESULT CoInitializeEx(LPVOID, DWORD) {
  win::shell::RegisterShell32Resources();
  return initialisations++ == 0 ? S_OK : S_FALSE;
}

HRESULT CoInitialize(LPVOID reserved) {
  return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

void CoUninitialize() {
  if (initialisations > 0) --initialisations;
}

HRESULT OleInitialize(LPVOID reserved) {
  return CoInitialize(reserved);
}

void OleUninitialize() {
  CoUninitialize();
}

HRESULT CoGetMalloc(DWORD, LPMALLOC* ppMalloc) {
  if (!ppMalloc) return E_INVALIDARG;
  *ppMalloc = &allocator;
  return S_OK;
}

LPVOID CoTaskMemAlloc(SIZE_T cb) {
  return allocator.Alloc(cb);
}

LPVOID CoTaskMemRealloc(LPVOID pv, SIZE_T cb) {
  return allocator.Realloc(pv, cb);
}

void CoTaskMemFree(LPVOID pv) {
  allocator.Free(pv);
}
