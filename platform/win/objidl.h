// COM object interfaces of the Windows API stand-in that the shell uses:
// persistence of an object in a file.
#pragma once

#include "platform/win/objbase.h"

inline constexpr IID IID_IPersist = DRUMS_OLE_GUID(0x0000010C);
inline constexpr IID IID_IPersistFile = DRUMS_OLE_GUID(0x0000010B);

struct IBindCtx;
struct IStream;
struct IStorage;
struct IAdviseSink;
struct IEnumSTATDATA;
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

// Data transfer.
typedef WORD CLIPFORMAT;
struct DVTARGETDEVICE;

#define DVASPECT_CONTENT 1
#define TYMED_NULL 0
#define TYMED_HGLOBAL 1
#define TYMED_FILE 2
#define TYMED_ISTREAM 4
#define TYMED_ISTORAGE 8
#define TYMED_GDI 16
#define DATADIR_GET 1
#define DATADIR_SET 2

#define DV_E_FORMATETC ((HRESULT)0x80040064L)
#define DV_E_LINDEX ((HRESULT)0x80040068L)
#define DV_E_TYMED ((HRESULT)0x80040069L)
#define DV_E_DVASPECT ((HRESULT)0x8004006BL)
#define OLE_E_ADVISENOTSUPPORTED ((HRESULT)0x80040003L)

struct FORMATETC {
  CLIPFORMAT cfFormat;
  DVTARGETDEVICE* ptd;
  DWORD dwAspect;
  LONG lindex;
  DWORD tymed;
};
typedef FORMATETC* LPFORMATETC;

struct STGMEDIUM {
  DWORD tymed;
  union {
    HBITMAP hBitmap;
    HGLOBAL hGlobal;
    LPOLESTR lpszFileName;
    IStream* pstm;
    IStorage* pstg;
  };
  IUnknown* pUnkForRelease;
};
typedef STGMEDIUM* LPSTGMEDIUM;

inline constexpr IID IID_IEnumFORMATETC = DRUMS_OLE_GUID(0x00000103);
inline constexpr IID IID_IDataObject = DRUMS_OLE_GUID(0x0000010E);

struct IEnumFORMATETC : IUnknown {
  virtual HRESULT Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) = 0;
  virtual HRESULT Skip(ULONG celt) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumFORMATETC** ppenum) = 0;

 protected:
  ~IEnumFORMATETC() = default;
};

struct IDataObject : IUnknown {
  virtual HRESULT GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) = 0;
  virtual HRESULT GetDataHere(FORMATETC* pformatetc, STGMEDIUM* pmedium) = 0;
  virtual HRESULT QueryGetData(FORMATETC* pformatetc) = 0;
  virtual HRESULT GetCanonicalFormatEtc(FORMATETC* pformatectIn, FORMATETC* pformatetcOut) = 0;
  virtual HRESULT SetData(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease) = 0;
  virtual HRESULT EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) = 0;
  virtual HRESULT DAdvise(FORMATETC* pformatetc, DWORD advf, IAdviseSink* pAdvSink, DWORD* pdwConnection) = 0;
  virtual HRESULT DUnadvise(DWORD dwConnection) = 0;
  virtual HRESULT EnumDAdvise(IEnumSTATDATA** ppenumAdvise) = 0;

 protected:
  ~IDataObject() = default;
};
typedef IDataObject* LPDATAOBJECT;

// Frees what the medium holds (global memory, or its release object).
void ReleaseStgMedium(STGMEDIUM* pmedium);
