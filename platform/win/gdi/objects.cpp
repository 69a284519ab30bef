#include "platform/win/gdi/objects.h"

#include <mutex>
#include <unordered_map>

namespace win::gdi {
namespace {

// Drawing runs on the user-interface thread, but the sound engine may free
// bitmaps of its own elsewhere: a lock keeps the table consistent.
struct Table {
  std::mutex lock;
  std::unordered_map<std::uintptr_t, std::unique_ptr<GdiObject>> objects;
  // Handles look like small aligned pointers and are never reused.
  std::uintptr_t next = 0x10000;
};

Table& TheTable() {
  static Table* table = new Table;  // lives past static destruction
  return *table;
}

}  // namespace

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) {
  if (!object) return nullptr;
  Table& t = TheTable();
  std::lock_guard<std::mutex> guard(t.lock);
  std::uintptr_t key = t.next;
  t.next += 4;
  object->handle_ = reinterpret_cast<HGDIOBJ>(key);
  HGDIOBJ handle = object->handle_;
  t.objects.emplace(key, std::move(object));
  return handle;
}

GdiObject* LookupObject(HGDIOBJ handle) {
  if (!handle) return nullptr;
  Table& t = TheTable();
  std::lock_guard<std::mutex> guard(t.lock);
  auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == t.objects.end() ? nullptr : it->second.get();
}

GdiObject* LookupObject(HGDIOBJ handle, ObjectKind kind) {
  GdiObject* object = LookupObject(handle);
  return object && object->Kind() == kind ? object : nullptr;
}

bool RemoveObject(HGDIOBJ handle) {
  std::unique_ptr<GdiObject> doomed;
  {
    Table& t = TheTable();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == t.objects.end()) return false;
    if (it->second->IsStock()) return true;
    if (it->second->IsSelected()) return false;
    doomed = std::move(it->second);
    t.objects.erase(it);
  }
  // Destroyed outside the lock: a destructor may release other objects.
  return true;
}

void MarkStock(HGDIOBJ handle) {
  if (GdiObject* object = LookupObject(handle)) object->MarkStock();
}

std::size_t LiveObjectCount() {
  Table& t = TheTable();
  std::lock_guard<std::mutex> guard(t.lock);
  return t.objects.size();
}

}  // namespace win::gdi
