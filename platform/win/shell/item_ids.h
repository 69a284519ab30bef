// The layout of the shell's item IDs: a 2-byte size (counting itself), a
// kind byte and the UTF-8 name with a closing NUL; a volume carries its drive
// type between the kind and the mount point. Lists end with a 2-byte zero.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win/shlobj.h"

namespace win::shell {

enum class ItemKind : BYTE {
  Home = 0x1E,
  MyComputer = 0x1F,
  Volume = 0x2F,
  Folder = 0x31,
  File = 0x32,
};

// Drive types of the volumes, numbered as GetDriveType numbers them.
enum class VolumeKind : BYTE { Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

struct Item {
  ItemKind kind = ItemKind::File;
  std::string name;
  VolumeKind volume = VolumeKind::Fixed;

  bool IsVirtual() const { return kind == ItemKind::MyComputer || kind == ItemKind::Home; }
  bool IsFolder() const { return kind != ItemKind::File; }
  bool operator==(const Item&) const = default;
};

using Items = std::vector<Item>;

// Nullopt for a malformed list (an item too short, an unknown kind, a name
// without its NUL). Nil decodes as the empty list.
std::optional<Items> DecodeIdList(LPCITEMIDLIST pidl);
// A new list from the task allocator.
LPITEMIDLIST EncodeIdList(const Items& items);
// The byte size of a list, terminator included; 0 for nil.
UINT IdListSize(LPCITEMIDLIST pidl);

}  // namespace win::shell
