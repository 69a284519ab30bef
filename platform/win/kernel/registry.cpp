// The registry functions over RegistryStore. The file is read again whenever
// it changed on disk (another process wrote it) and written after every
// change; a failed write drops the change, so memory and file agree.
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "platform/win/kernel/atomic_file.h"
#include "platform/win/kernel/registry_store.h"
#include "platform/win/kernel/user_dirs.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::RegistryStore;
using win::kernel::RegKey;
using win::kernel::RegValue;

struct OpenKey {
  int root;
  std::vector<std::string> path;
};

struct Registry {
  std::mutex lock;
  RegistryStore store;
  bool loaded = false;
  std::string file;
  struct stat identity {};
  std::map<std::uintptr_t, OpenKey> open;
  std::uintptr_t nextHandle = 0x1000;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

bool SameIdentity(const struct stat& a, const struct stat& b) {
  return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

void Refresh(Registry& r) {
  std::string file = win::kernel::RegistryFile();
  struct stat st {};
  bool exists = stat(file.c_str(), &st) == 0;
  if (r.loaded && file == r.file && (exists ? SameIdentity(st, r.identity) : r.identity.st_ino == 0)) return;
  std::string text;
  win::kernel::ReadWholeFile(file, text);
  r.store = RegistryStore::Parse(text);
  r.file = file;
  struct stat none {};
  r.identity = exists ? st : none;
  r.loaded = true;
}

LONG Save(Registry& r) {
  DWORD error = win::kernel::ReplaceFile(r.file, r.store.Serialise());
  if (error != ERROR_SUCCESS) {
    r.loaded = false;  // the next call reads the old file again
    return static_cast<LONG>(error);
  }
  stat(r.file.c_str(), &r.identity);
  return ERROR_SUCCESS;
}

// The root and path a handle stands for.
std::optional<OpenKey> Resolve(Registry& r, HKEY key) {
  int root = RegistryStore::RootIndex(key);
  if (root >= 0) return OpenKey{root, {}};
  auto it = r.open.find(reinterpret_cast<std::uintptr_t>(key));
  if (it == r.open.end()) return std::nullopt;
  return it->second;
}

std::string JoinPath(const std::vector<std::string>& parts) {
  std::string out;
  for (auto& p : parts) out += (out.empty() ? "" : "\\") + p;
  return out;
}

// The key behind a handle: ERROR_INVALID_HANDLE or ERROR_KEY_DELETED when gone.
LONG KeyOf(Registry& r, HKEY handle, RegKey*& key) {
  auto ref = Resolve(r, handle);
  if (!ref) return ERROR_INVALID_HANDLE;
  key = r.store.Walk(ref->root, JoinPath(ref->path));
  return key ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

// Runs `body` on the key behind `handle`, with the registry locked and fresh
// from its file (another process may have changed it).
template <class Body>
LONG WithKey(HKEY handle, Body body) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  Refresh(r);
  RegKey* key = nullptr;
  if (LONG error = KeyOf(r, handle, key); error != ERROR_SUCCESS) return error;
  return body(r, key);
}

HKEY NewHandle(Registry& r, OpenKey key) {
  std::uintptr_t id = r.nextHandle;
  r.nextHandle += 4;
  r.open.emplace(id, std::move(key));
  return reinterpret_cast<HKEY>(id);
}

// What a query hands back: strings gain their terminator.
std::vector<BYTE> Readable(const RegValue& v) {
  std::vector<BYTE> data = v.data;
  if (v.type == REG_SZ || v.type == REG_EXPAND_SZ) data.push_back(0);
  return data;
}

LONG CopyData(const RegValue& v, LPDWORD type, LPBYTE data, LPDWORD size) {
  if (type) *type = v.type;
  if (!size) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
  std::vector<BYTE> bytes = Readable(v);
  DWORD needed = static_cast<DWORD>(bytes.size());
  if (!data) {
    *size = needed;
    return ERROR_SUCCESS;
  }
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  if (needed) std::memcpy(data, bytes.data(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

LONG CopyName(const std::string& name, LPSTR buffer, LPDWORD chars) {
  if (!buffer || !chars) return ERROR_INVALID_PARAMETER;
  if (name.size() + 1 > *chars) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *chars = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  Refresh(r);
  auto ref = Resolve(r, hKey);
  if (!ref) return ERROR_INVALID_HANDLE;
  for (auto& part : win::kernel::SplitKeyPath(lpSubKey ? lpSubKey : "")) ref->path.push_back(part);
  if (!r.store.Walk(ref->root, JoinPath(ref->path))) return ERROR_FILE_NOT_FOUND;
  *phkResult = NewHandle(r, *ref);
  return ERROR_SUCCESS;
}

LONG RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return RegOpenKeyExA(hKey, lpSubKey, 0, KEY_ALL_ACCESS, phkResult);
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY phkResult,
                     LPDWORD lpdwDisposition) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  Refresh(r);
  auto ref = Resolve(r, hKey);
  if (!ref) return ERROR_INVALID_HANDLE;
  RegKey* key = r.store.Walk(ref->root, JoinPath(ref->path));
  if (!key) return ERROR_KEY_DELETED;
  bool created = false;
  auto parts = win::kernel::SplitKeyPath(lpSubKey ? lpSubKey : "");
  if (ref->path.size() + parts.size() > win::kernel::kMaxKeyDepth) return ERROR_INVALID_PARAMETER;
  for (auto& part : parts) {
    RegKey* next = key->Find(part);
    if (!next) {
      next = &key->Add(part);
      created = true;
    }
    key = next;
    ref->path.push_back(part);
  }
  if (created) {
    if (LONG error = Save(r); error != ERROR_SUCCESS) return error;
  }
  if (lpdwDisposition) *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *phkResult = NewHandle(r, *ref);
  return ERROR_SUCCESS;
}

LONG RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return RegCreateKeyExA(hKey, lpSubKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, phkResult, nullptr);
}

LONG RegCloseKey(HKEY hKey) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  if (RegistryStore::RootIndex(hKey) >= 0) return ERROR_SUCCESS;
  return r.open.erase(reinterpret_cast<std::uintptr_t>(hKey)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegFlushKey(HKEY hKey) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  return Resolve(r, hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;  // every change is already on disk
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  return WithKey(hKey, [&](Registry&, RegKey* key) -> LONG {
    RegValue* value = key->FindValue(lpValueName ? lpValueName : "");
    if (!value) return ERROR_FILE_NOT_FOUND;
    return CopyData(*value, lpType, lpData, lpcbData);
  });
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
  if (!lpData && cbData) return ERROR_INVALID_PARAMETER;
  if (dwType == REG_DWORD && cbData != 4) return ERROR_INVALID_PARAMETER;
  return WithKey(hKey, [&](Registry& r, RegKey* key) -> LONG {
    RegValue value;
    value.name = lpValueName ? lpValueName : "";
    value.type = dwType;
    if (cbData) value.data.assign(lpData, lpData + cbData);
    if (dwType == REG_SZ || dwType == REG_EXPAND_SZ) {
      // Kept up to the terminator, whether or not the size counted it.
      auto nul = std::find(value.data.begin(), value.data.end(), BYTE{0});
      value.data.erase(nul, value.data.end());
    }
    if (RegValue* existing = key->FindValue(value.name)) {
      value.name = existing->name;
      *existing = std::move(value);
    } else {
      key->values.push_back(std::move(value));
    }
    return Save(r);
  });
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  return WithKey(hKey, [&](Registry& r, RegKey* key) -> LONG {
    RegValue* value = key->FindValue(lpValueName ? lpValueName : "");
    if (!value) return ERROR_FILE_NOT_FOUND;
    key->values.erase(key->values.begin() + (value - key->values.data()));
    return Save(r);
  });
}

LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  return WithKey(hKey, [&](Registry& r, RegKey* parent) -> LONG {
    auto parts = win::kernel::SplitKeyPath(lpSubKey ? lpSubKey : "");
    if (parts.empty()) return ERROR_ACCESS_DENIED;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
      parent = parent->Find(parts[i]);
      if (!parent) return ERROR_FILE_NOT_FOUND;
    }
    RegKey* victim = parent->Find(parts.back());
    if (!victim) return ERROR_FILE_NOT_FOUND;
    if (!victim->subkeys.empty()) return ERROR_ACCESS_DENIED;
    parent->Remove(parts.back());
    return Save(r);
  });
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD, LPSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  return WithKey(hKey, [&](Registry&, RegKey* key) -> LONG {
    if (dwIndex >= key->subkeys.size()) return ERROR_NO_MORE_ITEMS;
    if (LONG error = CopyName(key->subkeys[dwIndex]->name, lpName, lpcchName); error != ERROR_SUCCESS) return error;
    if (lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
    if (lpcchClass) *lpcchClass = 0;
    if (lpftLastWriteTime) GetSystemTimeAsFileTime(lpftLastWriteTime);
    return ERROR_SUCCESS;
  });
}

LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD, LPDWORD lpType,
                   LPBYTE lpData, LPDWORD lpcbData) {
  return WithKey(hKey, [&](Registry&, RegKey* key) -> LONG {
    if (dwIndex >= key->values.size()) return ERROR_NO_MORE_ITEMS;
    const RegValue& value = key->values[dwIndex];
    if (LONG error = CopyName(value.name, lpValueName, lpcchValueName); error != ERROR_SUCCESS) return error;
    return CopyData(value, lpType, lpData, lpcbData);
  });
}

LONG RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD, LPDWORD lpcSubKeys,
                      LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen,
                      LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
  return WithKey(hKey, [&](Registry&, RegKey* key) -> LONG {
    DWORD maxSubKey = 0, maxName = 0, maxData = 0;
    for (auto& k : key->subkeys) maxSubKey = std::max<DWORD>(maxSubKey, static_cast<DWORD>(k->name.size()));
    for (auto& v : key->values) {
      maxName = std::max<DWORD>(maxName, static_cast<DWORD>(v.name.size()));
      maxData = std::max<DWORD>(maxData, static_cast<DWORD>(Readable(v).size()));
    }
    if (lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
    if (lpcchClass) *lpcchClass = 0;
    if (lpcSubKeys) *lpcSubKeys = static_cast<DWORD>(key->subkeys.size());
    if (lpcbMaxSubKeyLen) *lpcbMaxSubKeyLen = maxSubKey;
    if (lpcbMaxClassLen) *lpcbMaxClassLen = 0;
    if (lpcValues) *lpcValues = static_cast<DWORD>(key->values.size());
    if (lpcbMaxValueNameLen) *lpcbMaxValueNameLen = maxName;
    if (lpcbMaxValueLen) *lpcbMaxValueLen = maxData;
    if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
    if (lpftLastWriteTime) GetSystemTimeAsFileTime(lpftLastWriteTime);
    return ERROR_SUCCESS;
  });
}
