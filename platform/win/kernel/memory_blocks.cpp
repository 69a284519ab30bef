// GlobalAlloc / LocalAlloc blocks. A fixed block's handle is its address; a
// moveable block's handle is a separate token that GlobalLock turns into the
// address. The two heaps are one here, as on Win32.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/win/winbase.h"

namespace {

struct Block {
  void* data = nullptr;
  SIZE_T size = 0;
  bool moveable = false;
  UINT locks = 0;
};

struct Heap {
  std::mutex lock;
  std::unordered_map<void*, Block> blocks;  // by handle
};

Heap& TheHeap() {
  static Heap* heap = new Heap;
  return *heap;
}

// malloc(0) may give NULL; a block always has an address.
void* Allocate(SIZE_T bytes, bool zero) {
  void* p = std::malloc(bytes ? bytes : 1);
  if (p && zero) std::memset(p, 0, bytes ? bytes : 1);
  return p;
}

// The block behind a handle; a handle that is not one fails as invalid.
Block* Find(Heap& heap, HGLOBAL handle) {
  auto it = heap.blocks.find(handle);
  if (it != heap.blocks.end()) return &it->second;
  SetLastError(ERROR_INVALID_HANDLE);
  return nullptr;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  Block block;
  block.data = Allocate(dwBytes, uFlags & GMEM_ZEROINIT);
  if (!block.data) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  block.size = dwBytes;
  block.moveable = (uFlags & GMEM_MOVEABLE) != 0;
  HGLOBAL handle = block.moveable ? static_cast<HGLOBAL>(new char) : block.data;
  Heap& heap = TheHeap();
  std::lock_guard guard(heap.lock);
  heap.blocks.emplace(handle, block);
  return handle;
}

LPVOID GlobalLock(HGLOBAL hMem) {
  Heap& heap = TheHeap();
  std::lock_guard guard(heap.lock);
  Block* block = Find(heap, hMem);
  if (!block) return nullptr;
  if (block->moveable) ++block->locks;
  return block->data;
}

BOOL GlobalUnlock(HGLOBAL hMem) {
  Heap& heap = TheHeap();
  std::lock_guard guard(heap.lock);
  Block* block = Find(heap, hMem);
  if (!block) return FALSE;
  if (block->locks == 0) {
    SetLastError(block->moveable ? ERROR_NOT_LOCKED : ERROR_SUCCESS);
    return FALSE;
  }
  --block->locks;
  SetLastError(ERROR_SUCCESS);
  return block->locks > 0;
}

SIZE_T GlobalSize(HGLOBAL hMem) {
  Heap& heap = TheHeap();
  std::lock_guard guard(heap.lock);
  Block* block = Find(heap, hMem);
  if (!block) return 0;
  return block->size;
}

HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
  Heap& heap = TheHeap();
  std::lock_guard guard(heap.lock);
  Block* block = Find(heap, hMem);
  if (!block) return nullptr;
  // A fixed block may move only when the caller allows it.
  if (!block->moveable && !(uFlags & GMEM_MOVEABLE) && dwBytes > block->size) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  void* data = std::realloc(block->data, dwBytes ? dwBytes : 1);
  if (!data) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if ((uFlags & GMEM_ZEROINIT) && dwBytes > block->size)
    std::memset(static_cast<char*>(data) + block->size, 0, dwBytes - block->size);
  Block updated = *block;
  updated.data = data;
  updated.size = dwBytes;
  if (updated.moveable) {
    *block = updated;
    return hMem;
  }
  heap.blocks.erase(hMem);
  heap.blocks.emplace(data, updated);
  return data;
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
  if (!hMem) return nullptr;
  Heap& heap = TheHeap();
  std::lock_guard guard(heap.lock);
  Block* block = Find(heap, hMem);
  if (!block) return hMem;
  std::free(block->data);
  if (block->moveable) delete static_cast<char*>(hMem);
  heap.blocks.erase(hMem);
  return nullptr;
}

HLOCAL LocalAlloc(UINT uFlags, SIZE_T uBytes) {
  return GlobalAlloc(uFlags, uBytes);
}
LPVOID LocalLock(HLOCAL hMem) {
  return GlobalLock(hMem);
}
BOOL LocalUnlock(HLOCAL hMem) {
  return GlobalUnlock(hMem);
}
SIZE_T LocalSize(HLOCAL hMem) {
  return GlobalSize(hMem);
}
HLOCAL LocalFree(HLOCAL hMem) {
  return GlobalFree(hMem);
}
