#include "platform/win/gdi/objects.h"

#include "platform/win/kernel/handle_table.h"

namespace win::gdi {
namespace {

// Drawing runs on the user-interface thread, but the sound engine may free
// bitmaps of its own elsewhere: the table's lock keeps it consistent.
using Table = win::kernel::HandleTable<std::unique_ptr<GdiObject>>;

Table& TheTable() {
  // Handles look like small aligned pointers.
  static Table* table = new Table(0x10000);  // lives past static destruction
  return *table;
}

std::uintptr_t KeyOf(HGDIOBJ handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) {
  if (!object) return nullptr;
  auto stamp = [](std::unique_ptr<GdiObject>& stored, std::uintptr_t key) {
    stored->handle_ = reinterpret_cast<HGDIOBJ>(key);
  };
  return reinterpret_cast<HGDIOBJ>(TheTable().Add(std::move(object), stamp));
}

GdiObject* LookupObject(HGDIOBJ handle) {
  if (!handle) return nullptr;
  return TheTable().Get(KeyOf(handle));
}

GdiObject* LookupObject(HGDIOBJ handle, ObjectKind kind) {
  GdiObject* object = LookupObject(handle);
  return object && object->Kind() == kind ? object : nullptr;
}

bool RemoveObject(HGDIOBJ handle) {
  // Destroyed after the table lets go of its lock: a destructor may release
  // other objects.
  std::unique_ptr<GdiObject> doomed;
  return TheTable().With(KeyOf(handle), [&](std::unique_ptr<GdiObject>* slot) {
    if (!slot) return false;
    if ((*slot)->IsStock()) return true;
    if ((*slot)->IsSelected()) return false;
    doomed = std::move(*slot);
    return true;
  });
}

void MarkStock(HGDIOBJ handle) {
  if (GdiObject* object = LookupObject(handle)) object->MarkStock();
}

std::size_t LiveObjectCount() {
  return TheTable().Size();
}

}  // namespace win::gdi
