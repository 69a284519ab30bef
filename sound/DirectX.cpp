#include "sound/DirectX.h"

#include <map>

#include "sound/DsErrors.h"

void TDirectX::SetDsResult(HRESULT value) {
  FDsResult = value;
  if (value != 0) Check();
}

namespace {

std::map<std::string, HMODULE>& LibraryCache() {
  static std::map<std::string, HMODULE> cache;
  return cache;
}

}  // namespace

FARPROC LoadProcFromLibrary(const std::string& libraryName, const std::string& procName) {
  const std::string key = LowerCase(libraryName);
  auto& cache = LibraryCache();
  auto it = cache.find(key);
  if (it == cache.end()) {
    HMODULE module = LoadLibraryA(libraryName.c_str());
    if (!module) throw Exception(DsStrings::SDllNotLoaded, {libraryName});
    it = cache.emplace(key, module).first;
  }
  FARPROC proc = GetProcAddress(it->second, procName.c_str());
  if (!proc) throw Exception(DsStrings::SDllNotLoaded, {libraryName});
  return proc;
}

void FreeLibraryCache() {
  for (auto& [name, module] : LibraryCache()) FreeLibrary(module);
  LibraryCache().clear();
}
