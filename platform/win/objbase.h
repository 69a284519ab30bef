// COM basics of the Windows API stand-in: GUIDs, IUnknown, the task
// allocator and COM initialisation. Interfaces are abstract C++ classes; an
// object hands out interface pointers with one reference counted for the
// caller, and Release frees it when the count reaches 0.
#pragma once

#include <cstring>

#include "platform/win/guiddef.h"
#include "platform/win/unknwn.h"
#include "platform/win/windef.h"
#include "platform/win/winerror.h"

typedef GUID* LPIID;
typedef const CLSID& REFCLSID;
typedef CLSID* LPCLSID;

typedef WCHAR OLECHAR;
typedef OLECHAR* LPOLESTR;
typedef const OLECHAR* LPCOLESTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;

#define STDAPI extern "C++" HRESULT
#define STDMETHOD(name) virtual HRESULT name
#define STDMETHOD_(type, name) virtual type name

// The interfaces of the Windows base, numbered as Windows numbers them:
// {xxxxxxxx-0000-0000-C000-000000000046}.
#define DRUMS_OLE_GUID(d1)         \
  GUID {                           \
    (d1), 0, 0, {                  \
      0xC0, 0, 0, 0, 0, 0, 0, 0x46 \
    }                              \
  }

inline constexpr IID IID_IMalloc = DRUMS_OLE_GUID(0x00000002);

struct IMalloc : IUnknown {
  virtual void* Alloc(SIZE_T cb) = 0;
  virtual void* Realloc(void* pv, SIZE_T cb) = 0;
  virtual void Free(void* pv) = 0;
  virtual SIZE_T GetSize(void* pv) = 0;
  virtual int DidAlloc(void* pv) = 0;
  virtual void HeapMinimize() = 0;

 protected:
  ~IMalloc() = default;
};
typedef IMalloc* LPMALLOC;

#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_INPROC (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER)

#define REGDB_E_CLASSNOTREG ((HRESULT)0x80040154L)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110L)
#define CO_E_NOTINITIALIZED ((HRESULT)0x800401F0L)
#define RPC_E_CHANGED_MODE ((HRESULT)0x80010106L)

#define COINIT_APARTMENTTHREADED 0x2
#define COINIT_MULTITHREADED 0x0

// Per thread: the first call answers S_OK, later ones S_FALSE; each
// successful call wants one CoUninitialize.
HRESULT CoInitialize(LPVOID pvReserved);
HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit);
void CoUninitialize();
HRESULT CoGetMalloc(DWORD dwMemContext, LPMALLOC* ppMalloc);
LPVOID CoTaskMemAlloc(SIZE_T cb);
LPVOID CoTaskMemRealloc(LPVOID pv, SIZE_T cb);
void CoTaskMemFree(LPVOID pv);
// The shell link is the one class made here (see shlobj.h).
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv);
