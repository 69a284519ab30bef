#include "controls/shell/UNavShellUtils/IdListArray.h"

#include <cstring>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/vcl/SysUtils.h"

namespace {

const BYTE* NextItem(const BYTE* item) {
  USHORT cb;
  std::memcpy(&cb, item, sizeof cb);
  return cb ? item + cb : nullptr;
}

USHORT SizeAt(const BYTE* item) {
  USHORT cb;
  std::memcpy(&cb, item, sizeof cb);
  return cb;
}

}  // namespace

TNavIdListArray::~TNavIdListArray() {
  ShellFree(FLast);
}

int TNavIdListArray::GetCount() const {
  if (!FList) return 0;
  int count = 0;
  for (const BYTE* p = reinterpret_cast<const BYTE*>(FList); SizeAt(p) != 0; p = NextItem(p)) ++count;
  return count;
}

void TNavIdListArray::Keep(LPITEMIDLIST list) {
  ShellFree(FLast);
  FLast = list;
}

LPCITEMIDLIST TNavIdListArray::Item(int index) {
  const int count = GetCount();
  if (!FList || index < 0 || (count != 0 && index >= count) || (count == 0 && index > 0))
    throw Exception(SNavIdListIndexError, {index});
  const BYTE* p = reinterpret_cast<const BYTE*>(FList);
  for (int i = 0; i < index; ++i) p = NextItem(p);
  // The item alone: on the empty list that is the terminator, so the copy is
  // the empty list and nothing past the terminator is read.
  const USHORT cb = SizeAt(p);
  BYTE* block = static_cast<BYTE*>(ShellAlloc(cb + 2u));
  if (!block) throw EOutOfMemory("Out of memory");
  std::memcpy(block, p, cb);
  block[cb] = 0;
  block[cb + 1] = 0;
  Keep(reinterpret_cast<LPITEMIDLIST>(block));
  return FLast;
}

LPCITEMIDLIST TNavIdListArray::Ancestor(int levels) {
  const int count = GetCount();
  if (!FList || levels > count) {
    Keep(nullptr);
    return nullptr;
  }
  const int keep = count - (levels < 0 ? 0 : levels);
  const BYTE* start = reinterpret_cast<const BYTE*>(FList);
  const BYTE* p = start;
  for (int i = 0; i < keep; ++i) p = NextItem(p);
  const std::size_t bytes = static_cast<std::size_t>(p - start);
  BYTE* block = static_cast<BYTE*>(ShellAlloc(bytes + 2));
  if (!block) throw EOutOfMemory("Out of memory");
  std::memcpy(block, start, bytes);
  block[bytes] = 0;
  block[bytes + 1] = 0;
  Keep(reinterpret_cast<LPITEMIDLIST>(block));
  return FLast;
}
