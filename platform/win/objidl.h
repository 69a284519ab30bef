// COM object interfaces of the Windows API stand-in that the shell uses:
// persistence of an object in a file.
#pragma once

#include "platform/win/objbase.h"

inline constexpr IID IID_IPersist = DRUMS_OLE_GUID(0x0000010C);
inline constexpr IID IID_IPersistFile = DRUMS_OLE_GUID(0x0000010B);

struct IBindCtx;
typedef IBindCtx* LPBC;

#define STGM_READ 0x00000000L
#define STGM_WRITE 0x00000001L
#define STGM_READWRITE 0x00000002L

struct IPersist : IUnknown {
  virtual HRESULT GetClassID(CLSID* pClassID) = 0;

 protected:
  ~IPersist() = default;
};

struct IPersistFile : IPersist {
  virtual HRESULT IsDirty() = 0;
  virtual HRESULT Load(LPCOLESTR pszFileName, DWORD dwMode) = 0;
  virtual HRESULT Save(LPCOLESTR pszFileName, BOOL fRemember) = 0;
  virtual HRESULT SaveCompleted(LPCOLESTR pszFileName) = 0;
  virtual HRESULT GetCurFile(LPOLESTR* ppszFileName) = 0;

 protected:
  ~IPersistFile() = default;
};
