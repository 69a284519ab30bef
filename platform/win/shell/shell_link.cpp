// The shell link class. Links of the Windows kind do not exist on this
// desktop: the object can be made and asked for its interfaces, but loading
// a file fails, so a ".lnk" file is an ordinary file to the shell.
#include <atomic>

#include "platform/win/shlobj.h"

namespace {

class ShellLink final : public IShellLinkA, public IPersistFile {
 public:
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IShellLinkA)
      *ppv = static_cast<IShellLinkA*>(this);
    else if (riid == IID_IPersist || riid == IID_IPersistFile)
      *ppv = static_cast<IPersistFile*>(this);
    else {
      *ppv = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT GetPath(LPSTR pszFile, int cch, WIN32_FIND_DATAA*, DWORD) override { return Empty(pszFile, cch); }
  HRESULT GetIDList(LPITEMIDLIST* ppidl) override {
    if (ppidl) *ppidl = nullptr;
    return E_FAIL;
  }
  HRESULT SetIDList(LPCITEMIDLIST) override { return E_NOTIMPL; }
  HRESULT GetDescription(LPSTR pszName, int cch) override { return Empty(pszName, cch); }
  HRESULT SetDescription(LPCSTR) override { return E_NOTIMPL; }
  HRESULT GetWorkingDirectory(LPSTR pszDir, int cch) override { return Empty(pszDir, cch); }
  HRESULT SetWorkingDirectory(LPCSTR) override { return E_NOTIMPL; }
  HRESULT GetArguments(LPSTR pszArgs, int cch) override { return Empty(pszArgs, cch); }
  HRESULT SetArguments(LPCSTR) override { return E_NOTIMPL; }
  HRESULT GetHotkey(WORD* pwHotkey) override {
    if (pwHotkey) *pwHotkey = 0;
    return S_FALSE;
  }
  HRESULT SetHotkey(WORD) override { return E_NOTIMPL; }
  HRESULT GetShowCmd(int* piShowCmd) override {
    if (piShowCmd) *piShowCmd = 1;
    return S_FALSE;
  }
  HRESULT SetShowCmd(int) override { return E_NOTIMPL; }
  HRESULT GetIconLocation(LPSTR pszIconPath, int cch, int* piIcon) override {
    if (piIcon) *piIcon = 0;
    return Empty(pszIconPath, cch);
  }
  HRESULT SetIconLocation(LPCSTR, int) override { return E_NOTIMPL; }
  HRESULT SetRelativePath(LPCSTR, DWORD) override { return E_NOTIMPL; }
  HRESULT Resolve(HWND, DWORD) override { return E_FAIL; }
  HRESULT SetPath(LPCSTR) override { return E_NOTIMPL; }

  HRESULT GetClassID(CLSID* pClassID) override {
    if (!pClassID) return E_POINTER;
    *pClassID = CLSID_ShellLink;
    return S_OK;
  }
  HRESULT IsDirty() override { return S_FALSE; }
  HRESULT Load(LPCOLESTR, DWORD) override { return E_FAIL; }
  HRESULT Save(LPCOLESTR, BOOL) override { return E_NOTIMPL; }
  HRESULT SaveCompleted(LPCOLESTR) override { return S_OK; }
  HRESULT GetCurFile(LPOLESTR* ppszFileName) override {
    if (ppszFileName) *ppszFileName = nullptr;
    return E_FAIL;
  }

 private:
  virtual ~ShellLink() = default;

  static HRESULT Empty(LPSTR buffer, int cch) {
    if (buffer && cch > 0) buffer[0] = 0;
    return S_FALSE;
  }

  std::atomic<ULONG> references_{1};
};

}  // namespace

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (pUnkOuter) return CLASS_E_NOAGGREGATION;
  if (!(rclsid == CLSID_ShellLink)) return REGDB_E_CLASSNOTREG;
  auto* link = new ShellLink;
  const HRESULT result = link->QueryInterface(riid, ppv);
  static_cast<IShellLinkA*>(link)->Release();
  return result;
}
