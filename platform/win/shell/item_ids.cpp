#include "platform/win/shell/item_ids.h"

#include <cstring>

namespace win::shell {

namespace {

USHORT ReadSize(const BYTE* at) {
  return static_cast<USHORT>(at[0] | (at[1] << 8));
}

bool KnownKind(BYTE kind) {
  switch (static_cast<ItemKind>(kind)) {
    case ItemKind::Home:
    case ItemKind::MyComputer:
    case ItemKind::Volume:
    case ItemKind::Folder:
    case ItemKind::File: return true;
  }
  return false;
}

std::size_t EncodedSize(const Item& item) {
  return 2 + 1 + (item.kind == ItemKind::Volume ? 1 : 0) + item.name.size() + 1;
}

}  // namespace

std::optional<Items> DecodeIdList(LPCITEMIDLIST pidl) {
  Items items;
  if (!pidl) return items;
  const BYTE* at = reinterpret_cast<const BYTE*>(pidl);
  for (USHORT size = ReadSize(at); size != 0; at += size, size = ReadSize(at)) {
    if (size < 4 || !KnownKind(at[2])) return std::nullopt;
    Item item;
    item.kind = static_cast<ItemKind>(at[2]);
    std::size_t nameAt = 3;
    if (item.kind == ItemKind::Volume) {
      if (size < 5) return std::nullopt;
      item.volume = static_cast<VolumeKind>(at[3]);
      nameAt = 4;
    }
    const char* name = reinterpret_cast<const char*>(at + nameAt);
    const std::size_t room = size - nameAt;
    const std::size_t length = strnlen(name, room);
    if (length == room) return std::nullopt;
    item.name.assign(name, length);
    items.push_back(std::move(item));
  }
  return items;
}

LPITEMIDLIST EncodeIdList(const Items& items) {
  std::size_t total = 2;
  for (const Item& item : items) total += EncodedSize(item);
  BYTE* out = static_cast<BYTE*>(CoTaskMemAlloc(total));
  if (!out) return nullptr;
  BYTE* at = out;
  for (const Item& item : items) {
    const std::size_t size = EncodedSize(item);
    at[0] = static_cast<BYTE>(size & 0xFF);
    at[1] = static_cast<BYTE>(size >> 8);
    at[2] = static_cast<BYTE>(item.kind);
    std::size_t nameAt = 3;
    if (item.kind == ItemKind::Volume) at[nameAt++] = static_cast<BYTE>(item.volume);
    std::memcpy(at + nameAt, item.name.data(), item.name.size());
    at[nameAt + item.name.size()] = 0;
    at += size;
  }
  at[0] = at[1] = 0;
  return reinterpret_cast<LPITEMIDLIST>(out);
}

UINT IdListSize(LPCITEMIDLIST pidl) {
  if (!pidl) return 0;
  const BYTE* at = reinterpret_cast<const BYTE*>(pidl);
  UINT total = 2;
  for (USHORT size = ReadSize(at); size != 0; size = ReadSize(at)) {
    total += size;
    at += size;
  }
  return total;
}

}  // namespace win::shell
