#include "controls/shell/UNavShellUtils/IdLists.h"

#include <cstring>

#include "controls/shell/UNavShellUtils/ShellItems.h"

namespace {

IMalloc* g_shellMalloc = nullptr;

USHORT ItemSize(const BYTE* item) {
  USHORT size;
  std::memcpy(&size, item, sizeof size);
  return size;
}

// The bytes of the items without the terminator.
std::size_t ItemBytes(LPCITEMIDLIST list) {
  const int size = PidlSize(list);
  return size > 2 ? static_cast<std::size_t>(size - 2) : 0;
}

}  // namespace

IMalloc* ShellMalloc() {
  if (!g_shellMalloc) SHGetMalloc(&g_shellMalloc);
  return g_shellMalloc;
}

void* ShellAlloc(std::size_t size) {
  IMalloc* malloc = ShellMalloc();
  return malloc ? malloc->Alloc(size) : nullptr;
}

void ShellFree(void* block) {
  if (!block) return;
  if (IMalloc* malloc = ShellMalloc()) malloc->Free(block);
}

int PidlSize(LPCITEMIDLIST list) {
  if (!list) return 0;
  const BYTE* p = reinterpret_cast<const BYTE*>(list);
  int size = 2;
  for (USHORT cb = ItemSize(p); cb != 0; cb = ItemSize(p)) {
    size += cb;
    p += cb;
  }
  return size;
}

bool IsDesktopPidl(LPCITEMIDLIST list) {
  return !list || list->mkid.cb == 0;
}

LPITEMIDLIST CopyPidl(IMalloc* allocator, LPCITEMIDLIST list) {
  return ConcatPidls(allocator, list, nullptr);
}

LPITEMIDLIST ConcatPidls(IMalloc* allocator, LPCITEMIDLIST first, LPCITEMIDLIST second) {
  const std::size_t firstBytes = ItemBytes(first);
  const std::size_t secondBytes = ItemBytes(second);
  const std::size_t size = firstBytes + secondBytes + 2;
  BYTE* block = static_cast<BYTE*>(allocator ? allocator->Alloc(size) : ShellAlloc(size));
  if (!block) return nullptr;
  if (firstBytes) std::memcpy(block, first, firstBytes);
  if (secondBytes) std::memcpy(block + firstBytes, second, secondBytes);
  block[size - 2] = 0;
  block[size - 1] = 0;
  return reinterpret_cast<LPITEMIDLIST>(block);
}

int ComparePidls(LPCITEMIDLIST a, LPCITEMIDLIST b) {
  const bool aDesktop = IsDesktopPidl(a);
  const bool bDesktop = IsDesktopPidl(b);
  if (aDesktop && bDesktop) return 0;
  if (aDesktop) return -1;
  if (bDesktop) return 1;
  IShellFolder* desktop = nullptr;
  if (FAILED(GetShellFolder(nullptr, &desktop)) || !desktop) return kPidlCompareFailed;
  const HRESULT result = desktop->CompareIDs(0, a, b);
  desktop->Release();
  if (FAILED(result)) return kPidlCompareFailed;
  return static_cast<short>(static_cast<USHORT>(result & 0xFFFF));
}
