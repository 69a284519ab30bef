#include "controls/shell/UNavShellControls/TransferBlocks.h"

#include <algorithm>
#include <cstring>

#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/win/windows.h"

namespace {

constexpr std::size_t kHDropPathRoom = 260;

// The byte size of a list that must end inside [list, end); 0 when it does not.
std::size_t BoundedPidlSize(const BYTE* list, const BYTE* end) {
  const BYTE* at = list;
  while (end - at >= 2) {
    USHORT cb;
    std::memcpy(&cb, at, sizeof cb);
    if (cb == 0) return static_cast<std::size_t>(at - list) + 2;
    if (cb < 2 || cb > end - at) return 0;
    at += cb;
  }
  return 0;
}

HGLOBAL AllocZeroed(std::size_t size) {
  return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
}

}  // namespace

CLIPFORMAT CF_SHELLIDLIST() {
  static const CLIPFORMAT format = static_cast<CLIPFORMAT>(RegisterClipboardFormatA(CFSTR_SHELLIDLIST));
  return format;
}

HRESULT CreateShellIdListData(LPCITEMIDLIST parent, const std::vector<LPCITEMIDLIST>& children, HGLOBAL& block) {
  static const BYTE kEmptyList[2] = {0, 0};
  const LPCITEMIDLIST parentList = parent ? parent : reinterpret_cast<LPCITEMIDLIST>(kEmptyList);
  const std::size_t count = children.size();
  std::size_t size = static_cast<std::size_t>(PidlSize(parentList)) + 4 * count + 8;
  for (LPCITEMIDLIST child : children) size += static_cast<std::size_t>(PidlSize(child));
  block = AllocZeroed(size);
  if (!block) return E_OUTOFMEMORY;
  BYTE* bytes = static_cast<BYTE*>(GlobalLock(block));
  const UINT cidl = static_cast<UINT>(count);
  std::memcpy(bytes, &cidl, 4);
  UINT offset = static_cast<UINT>(8 + 4 * count);
  auto place = [&](std::size_t slot, LPCITEMIDLIST list) {
    std::memcpy(bytes + 4 + 4 * slot, &offset, 4);
    const int listSize = PidlSize(list);
    if (listSize > 0) std::memcpy(bytes + offset, list, static_cast<std::size_t>(listSize));
    offset += static_cast<UINT>(listSize);
  };
  place(0, parentList);
  for (std::size_t i = 0; i < count; ++i) place(i + 1, children[i]);
  GlobalUnlock(block);
  return S_OK;
}

HRESULT CreateHDropData(const std::vector<std::string>& paths, HGLOBAL& block) {
  // Room for each path as a classic buffer would give it, or more when a
  // path is longer, so no path is ever cut or written past the block.
  std::size_t size = 21;
  for (const std::string& path : paths) size += std::max(kHDropPathRoom, path.size() + 1);
  block = AllocZeroed(size);
  if (!block) return E_OUTOFMEMORY;
  BYTE* bytes = static_cast<BYTE*>(GlobalLock(block));
  std::size_t at = sizeof(DROPFILES);
  for (const std::string& path : paths) {
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + at, path.c_str(), path.size() + 1);
    at += path.size() + 1;
  }
  GlobalUnlock(block);
  return S_OK;
}

HGLOBAL DuplicateGlobal(HGLOBAL block) {
  if (!block) return nullptr;
  const SIZE_T size = GlobalSize(block);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  const void* from = GlobalLock(block);
  void* to = GlobalLock(copy);
  if (from && to && size) std::memcpy(to, from, size);
  GlobalUnlock(copy);
  GlobalUnlock(block);
  return copy;
}

bool ReadCida(const void* block, std::size_t size, TNavCidaView& view) {
  if (!block || size < 8) return false;
  const BYTE* bytes = static_cast<const BYTE*>(block);
  const BYTE* end = bytes + size;
  UINT count;
  std::memcpy(&count, bytes, 4);
  if (count > (size - 8) / 4) return false;
  TNavCidaView read;
  for (UINT i = 0; i <= count; ++i) {
    UINT offset;
    std::memcpy(&offset, bytes + 4 + 4 * static_cast<std::size_t>(i), 4);
    if (offset < 8 + 4 * static_cast<std::size_t>(count) || offset > size) return false;
    if (BoundedPidlSize(bytes + offset, end) == 0) return false;
    const auto list = reinterpret_cast<LPCITEMIDLIST>(bytes + offset);
    if (i == 0)
      read.Parent = list;
    else
      read.Children.push_back(list);
  }
  view = std::move(read);
  return true;
}
