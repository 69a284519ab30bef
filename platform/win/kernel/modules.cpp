// LoadLibraryA and friends over dlopen. A library name without a folder maps
// to lib<name>.so, looked for in the program folder first and then where the
// system looks. dlopen already counts references and gives the same handle
// for the same library; the table here only remembers names and paths.
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <vector>

#include "platform/win/kernel/module.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/kernel/string_out.h"
#include "platform/win/winbase.h"

namespace win::kernel {
namespace {

struct Loaded {
  std::string libraryName;  // lib<name>.so
  std::string path;  // POSIX
  int references = 0;
};

struct Modules {
  std::mutex lock;
  std::map<void*, Loaded> loaded;
};

Modules& TheModules() {
  static Modules* modules = new Modules;
  return *modules;
}

std::string ExecutablePath() {
  std::vector<char> buffer(4096);
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return n > 0 ? std::string(buffer.data(), static_cast<size_t>(n)) : std::string();
}

std::string PathOfHandle(void* handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && *map->l_name) return map->l_name;
  return {};
}

bool HasFolder(std::string_view name) {
  return name.find_first_of("\\/:") != std::string_view::npos;
}

}  // namespace

HINSTANCE MainInstance() {
  static void* self = dlopen(nullptr, RTLD_NOW);
  return static_cast<HINSTANCE>(self);
}

std::string ProgramDir() {
  std::string exe = ExecutablePath();
  size_t slash = exe.find_last_of('/');
  return slash == std::string::npos || slash == 0 ? "/" : exe.substr(0, slash);
}

std::string SharedLibraryName(std::string_view windowsName) {
  std::string base(windowsName);
  size_t cut = base.find_last_of("\\/:");
  if (cut != std::string::npos) base.erase(0, cut + 1);
  for (char& c : base)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (base.size() > 4 && base.compare(base.size() - 4, 4, ".dll") == 0)
    base.resize(base.size() - 4);
  else if (!base.empty() && base.back() == '.')
    base.pop_back();  // "name." means no extension
  if (base.size() > 3 && base.compare(base.size() - 3, 3, ".so") == 0) return base;
  return "lib" + base + ".so";
}

}  // namespace win::kernel

using win::kernel::TheModules;

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
  if (!lpLibFileName || !*lpLibFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::string name = lpLibFileName;
  std::string library = win::kernel::SharedLibraryName(name);
  std::vector<std::string> candidates;
  if (win::kernel::HasFolder(name)) {
    std::string folder = name.substr(0, name.find_last_of("\\/:") + 1);
    candidates.push_back(win::kernel::ResolvePath(folder + library));
    candidates.push_back(win::kernel::ResolvePath(name));
  } else {
    candidates.push_back(win::kernel::ProgramDir() + "/" + library);
    candidates.push_back(library);  // the system's search
  }
  void* handle = nullptr;
  for (auto& candidate : candidates) {
    handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) break;
  }
  if (!handle) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  auto& modules = TheModules();
  std::lock_guard guard(modules.lock);
  auto& entry = modules.loaded[handle];
  if (entry.references++ == 0) {
    entry.libraryName = library;
    entry.path = win::kernel::PathOfHandle(handle);
  }
  SetLastError(ERROR_SUCCESS);
  return static_cast<HMODULE>(handle);
}

BOOL FreeLibrary(HMODULE hLibModule) {
  auto& modules = TheModules();
  std::lock_guard guard(modules.lock);
  auto it = modules.loaded.find(hLibModule);
  if (it == modules.loaded.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (--it->second.references == 0) modules.loaded.erase(it);
  dlclose(hLibModule);
  return TRUE;
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  void* handle = hModule ? static_cast<void*>(hModule) : static_cast<void*>(win::kernel::MainInstance());
  if (!lpProcName || IS_INTRESOURCE(lpProcName)) {
    SetLastError(ERROR_PROC_NOT_FOUND);  // exports by number do not exist here
    return nullptr;
  }
  {
    auto& modules = TheModules();
    std::lock_guard guard(modules.lock);
    if (handle != win::kernel::MainInstance() && !modules.loaded.count(handle)) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return nullptr;
    }
  }
  dlerror();
  void* symbol = dlsym(handle, lpProcName);
  if (!symbol) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(symbol);
}

HMODULE GetModuleHandleA(LPCSTR lpModuleName) {
  if (!lpModuleName) return win::kernel::MainInstance();
  std::string library = win::kernel::SharedLibraryName(lpModuleName);
  auto& modules = TheModules();
  std::lock_guard guard(modules.lock);
  for (auto& [handle, entry] : modules.loaded)
    if (entry.libraryName == library) return static_cast<HMODULE>(handle);
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  std::string path;
  if (!hModule || hModule == win::kernel::MainInstance()) {
    path = win::kernel::ExecutablePath();
  } else {
    auto& modules = TheModules();
    std::lock_guard guard(modules.lock);
    auto it = modules.loaded.find(hModule);
    if (it == modules.loaded.end()) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return 0;
    }
    path = it->second.path;
  }
  std::string windowsPath = win::kernel::ToWindowsPath(path);
  if (nSize == 0 || !lpFilename) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  // Windows cuts the name to the buffer and says so.
  size_t n = windowsPath.size() < nSize ? windowsPath.size() : nSize - 1;
  std::memcpy(lpFilename, windowsPath.data(), n);
  lpFilename[n] = '\0';
  SetLastError(n < windowsPath.size() ? ERROR_INSUFFICIENT_BUFFER : ERROR_SUCCESS);
  return n < windowsPath.size() ? nSize : static_cast<DWORD>(n);
}
