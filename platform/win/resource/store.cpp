#include "platform/win/resource/store.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <map>

#include "platform/win/kernel/module.h"
#include "platform/win/winbase.h"
#include "platform/win/winerror.h"
#include "platform/win/winres.h"

namespace win::resource {
namespace {

struct Module {
  std::string name;
  std::vector<const Record*> records;
  std::map<const Record*, int> tables;  // record arrays added, and how often
};

struct Store {
  std::mutex mutex;
  Module main;
  std::deque<Module> named;  // a deque keeps each module's address, its handle
};

Store& TheStore() {
  static Store store;
  return store;
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string LibraryName(const char* name) {
  std::string s = Upper(name ? name : "");
  if (auto slash = s.find_last_of("/\\"); slash != std::string::npos) s.erase(0, slash + 1);
  if (s.size() > 4 && s.compare(s.size() - 4, 4, ".DLL") == 0) s.resize(s.size() - 4);
  return s;
}

Module* FindByName(Store& store, const std::string& name) {
  for (Module& m : store.named)
    if (m.name == name) return &m;
  return nullptr;
}

// The module name of a library the kernel loaded ("/x/libshell32.so" ->
// "SHELL32"), so that its handle finds the resources embedded for it.
std::string NameOfLoadedLibrary(HINSTANCE handle) {
  const DWORD lastError = GetLastError();  // a lookup must not disturb it
  char path[4096];
  const DWORD n = GetModuleFileNameA(handle, path, sizeof path);
  SetLastError(lastError);
  if (n == 0 || n >= sizeof path) return {};
  std::string name = LibraryName(path);
  if (name.rfind("LIB", 0) == 0) name.erase(0, 3);
  if (const size_t so = name.find(".SO"); so != std::string::npos) name.resize(so);
  return name;
}

bool IsMain(HINSTANCE handle) {
  return !handle || handle == win::kernel::MainInstance();
}

// Null when the handle is not a module with resources. Takes the store's lock
// itself, after asking the kernel about handles it does not know.
std::unique_lock<std::mutex> Lock(Store& store, HINSTANCE handle, Module*& module) {
  std::unique_lock<std::mutex> lock(store.mutex);
  module = nullptr;
  if (IsMain(handle)) {
    module = &store.main;
    return lock;
  }
  for (Module& m : store.named)
    if (reinterpret_cast<HINSTANCE>(&m) == handle) module = &m;
  if (module) return lock;
  lock.unlock();
  const std::string name = NameOfLoadedLibrary(handle);
  lock.lock();
  if (!name.empty()) module = FindByName(store, name);
  return lock;
}

}  // namespace

Key Key::From(LPCSTR s) {
  Key key;
  if (IS_INTRESOURCE(s)) {
    key.isId = true;
    key.id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(s));
  } else if (s[0] == '#') {
    key.isId = true;
    key.id = static_cast<WORD>(std::strtoul(s + 1, nullptr, 10));
  } else {
    key.text = Upper(s);
  }
  return key;
}

Key Key::Of(WORD id, const char* text) {
  Key key;
  if (text)
    key.text = Upper(text);
  else
    key.isId = true, key.id = id;
  return key;
}

// The kernel's handle of the program, so that GetModuleHandleA(NULL) and this
// are one and the same.
HINSTANCE MainModule() {
  return win::kernel::MainInstance();
}

HINSTANCE ModuleByName(const char* moduleName) {
  Store& store = TheStore();
  std::lock_guard<std::mutex> lock(store.mutex);
  Module* m = FindByName(store, LibraryName(moduleName));
  return m ? reinterpret_cast<HINSTANCE>(m) : nullptr;
}

void RegisterModule(const char* moduleName, bool mainModule, const Record* records, std::size_t count) {
  Store& store = TheStore();
  std::lock_guard<std::mutex> lock(store.mutex);
  Module* module = &store.main;
  if (!mainModule) {
    const std::string name = LibraryName(moduleName);
    module = FindByName(store, name);
    if (!module) module = &store.named.emplace_back(Module{name, {}, {}});
  } else if (module->name.empty()) {
    module->name = LibraryName(moduleName);
  }
  if (module->tables[records]++ > 0) return;
  for (std::size_t i = 0; i < count; ++i) module->records.push_back(&records[i]);
}

void UnregisterModule(const char* moduleName, bool mainModule, const Record* records, std::size_t count) {
  Store& store = TheStore();
  std::lock_guard<std::mutex> lock(store.mutex);
  Module* module = mainModule ? &store.main : FindByName(store, LibraryName(moduleName));
  if (!module) return;
  auto table = module->tables.find(records);
  if (table == module->tables.end() || --table->second > 0) return;
  module->tables.erase(table);
  // A named module stays (its handle is its address); it only has no records.
  std::erase_if(module->records, [&](const Record* r) { return r >= records && r < records + count; });
}

const Record* Lookup(HINSTANCE handle, LPCSTR type, LPCSTR name, DWORD& error) {
  Store& store = TheStore();
  Module* module = nullptr;
  auto lock = Lock(store, handle, module);
  if (!module || module->records.empty()) {
    error = ERROR_RESOURCE_DATA_NOT_FOUND;
    return nullptr;
  }
  const Key typeKey = Key::From(type), nameKey = Key::From(name);
  bool typeSeen = false;
  for (const Record* r : module->records) {
    if (!(Key::Of(r->typeId, r->typeName) == typeKey)) continue;
    typeSeen = true;
    if (Key::Of(r->nameId, r->name) == nameKey) return r;
  }
  error = typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND;
  return nullptr;
}

std::vector<const Record*> RecordsOfType(HINSTANCE handle, LPCSTR type, DWORD& error) {
  Store& store = TheStore();
  std::vector<const Record*> found;
  Module* module = nullptr;
  auto lock = Lock(store, handle, module);
  if (!module || module->records.empty()) {
    error = ERROR_RESOURCE_DATA_NOT_FOUND;
    return found;
  }
  const Key typeKey = Key::From(type);
  for (const Record* r : module->records)
    if (Key::Of(r->typeId, r->typeName) == typeKey) found.push_back(r);
  if (found.empty()) error = ERROR_RESOURCE_TYPE_NOT_FOUND;
  // As Windows lists them: numbered names ascending, then strings.
  std::stable_sort(found.begin(), found.end(), [](const Record* a, const Record* b) {
    if (!a->name != !b->name) return !a->name;
    if (!a->name) return a->nameId < b->nameId;
    return Upper(a->name) < Upper(b->name);
  });
  return found;
}

Bytes Find(HINSTANCE module, LPCSTR type, LPCSTR name) {
  DWORD error = 0;
  const Record* r = Lookup(module, type, name, error);
  if (!r) return {};
  return {r->data, static_cast<DWORD>(r->size)};
}

Bytes FindBitmap(HINSTANCE module, LPCSTR name) {
  return Find(module, RT_BITMAP, name);
}

}  // namespace win::resource
