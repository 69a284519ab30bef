// TDirectX: the base of the thin wrappers around DirectSound objects. It
// keeps the result of the last call and lets a descendant react to failures;
// results are recorded, never raised, at this level.
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/Classes.h"
#include "platform/win/windows.h"

class TDirectX : public TPersistent {
  DRUMS_CLASS(TDirectX, TPersistent)

 public:
  HRESULT GetDsResult() const { return FDsResult; }
  // DsResult := value; a non-zero value calls Check.
  void SetDsResult(HRESULT value);

 protected:
  // Called whenever a failing result is recorded.
  virtual void Check() {}

 private:
  HRESULT FDsResult = 0;
};

// The address of an exported procedure of a library loaded at run time. A
// library is loaded once (names compare in lower case) and stays loaded
// until FreeLibraryCache. A missing library or procedure raises "%s is not
// loaded" with the library's name.
FARPROC LoadProcFromLibrary(const std::string& libraryName, const std::string& procName);
// Frees every library the cache loaded (program end).
void FreeLibraryCache();
