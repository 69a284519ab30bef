#include "platform/win/shell/shell_folder.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "platform/win/shell/com_base.h"
#include "platform/win/shell/context_menu.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/shell/folder_details.h"
#include "platform/win/shell/folder_drop_target.h"
#include "platform/win/shell/program_drop_target.h"
#include "platform/win/shell/folder_items.h"
#include "platform/win/shell/id_list_enumerator.h"
#include "platform/win/shell/namespace_paths.h"
#include "platform/win/shell/wide_text.h"

namespace win::shell {

namespace {

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos;
}

class ShellFolder final : public ComObject<IShellFolder2> {
 public:
  explicit ShellFolder(Items absolute) : absolute_(std::move(absolute)) {}

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    return Answer(ppv, riid == IID_IUnknown || riid == IID_IShellFolder || riid == IID_IShellFolder2);
  }

  HRESULT ParseDisplayName(HWND, LPBC, LPOLESTR pszDisplayName, ULONG* pchEaten, LPITEMIDLIST* ppidl,
                           ULONG* pdwAttributes) override {
    if (!ppidl) return E_POINTER;
    *ppidl = nullptr;
    if (!pszDisplayName) return E_INVALIDARG;
    const std::string name = Utf8FromWide(pszDisplayName);
    Items items;
    HRESULT result = E_INVALIDARG;
    if (absolute_.empty()) {
      result = ParseAbsolutePath(name, &items);
    } else if (absolute_.size() == 1 && absolute_[0].kind == ItemKind::MyComputer) {
      // My Computer takes absolute paths and answers below itself.
      result = ParseAbsolutePath(name, &items);
      if (SUCCEEDED(result) && !items.empty() && items[0].kind == ItemKind::MyComputer)
        items.erase(items.begin());
      else if (SUCCEEDED(result))
        result = E_INVALIDARG;
    } else if (const std::optional<std::string> path = PathOf(absolute_)) {
      // Below a folder the name is a relative path.
      Items full;
      result = ParseAbsolutePath(*path + "/" + name, &full);
      Items own;
      if (SUCCEEDED(result) && SUCCEEDED(ParseAbsolutePath(*path, &own)) && full.size() >= own.size())
        items.assign(full.begin() + static_cast<std::ptrdiff_t>(own.size()), full.end());
      else if (SUCCEEDED(result))
        result = E_INVALIDARG;
    }
    if (FAILED(result)) return result;
    *ppidl = EncodeIdList(items);
    if (!*ppidl) return E_OUTOFMEMORY;
    if (pchEaten) *pchEaten = static_cast<ULONG>(std::wcslen(pszDisplayName));
    if (pdwAttributes) *pdwAttributes &= AttributesOf(absolute_, items);
    return S_OK;
  }

  HRESULT EnumObjects(HWND, SHCONTF grfFlags, IEnumIDList** ppenumIDList) override {
    if (!ppenumIDList) return E_POINTER;
    *ppenumIDList = CreateIdListEnumerator(ChildrenOf(absolute_, grfFlags));
    return S_OK;
  }

  HRESULT BindToObject(LPCITEMIDLIST pidl, LPBC, REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    const std::optional<Items> relative = DecodeIdList(pidl);
    if (!relative || relative->empty()) return E_INVALIDARG;
    for (const Item& item : *relative) {
      if (!item.IsFolder()) return E_INVALIDARG;
    }
    Items absolute = absolute_;
    absolute.insert(absolute.end(), relative->begin(), relative->end());
    return CreateShellFolder(absolute, riid, ppv);
  }

  HRESULT BindToStorage(LPCITEMIDLIST, LPBC, REFIID, void** ppv) override {
    if (ppv) *ppv = nullptr;
    return E_NOTIMPL;
  }

  HRESULT CompareIDs(LPARAM lParam, LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2) override {
    const std::optional<Items> a = DecodeIdList(pidl1);
    const std::optional<Items> b = DecodeIdList(pidl2);
    if (!a || !b) return E_INVALIDARG;
    const int order = CompareItems(absolute_, *a, *b, static_cast<int>(lParam & 0xFFFF));
    const short code = static_cast<short>(order < 0 ? -1 : (order > 0 ? 1 : 0));
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, static_cast<USHORT>(code));
  }

  // The folder's background menu (Paste, Properties) and drop target.
  HRESULT CreateViewObject(HWND, REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    IUnknown* object = nullptr;
    if (riid == IID_IContextMenu || riid == IID_IContextMenu2) {
      object = CreateShellContextMenu(absolute_, {});
    } else if (riid == IID_IDropTarget) {
      const std::optional<std::string> path = PathOf(absolute_);
      if (!path) return E_NOINTERFACE;
      object = CreateFolderDropTarget(*path);
    } else {
      return E_NOINTERFACE;
    }
    const HRESULT result = object->QueryInterface(riid, ppv);
    object->Release();
    return result;
  }

  // An item without a file-system path is always there.
  bool StillThere(const Items& relative) const {
    const std::optional<std::string> path = PathOf(absolute_, relative);
    struct stat own {};
    return !path || lstat(path->c_str(), &own) == 0;
  }

  HRESULT GetAttributesOf(UINT cidl, LPCITEMIDLIST* apidl, SFGAOF* rgfInOut) override {
    if (!rgfInOut) return E_POINTER;
    if (cidl == 0) return S_OK;  // a validation request: everything is read afresh anyway
    if (!apidl) return E_POINTER;
    SFGAOF common = ~0u;
    for (UINT i = 0; i < cidl; ++i) {
      const std::optional<Items> relative = DecodeIdList(apidl[i]);
      if (!relative) return E_INVALIDARG;
      // Asked to validate: an item that is no longer on disk fails.
      if ((*rgfInOut & SFGAO_VALIDATE) && !StillThere(*relative)) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
      common &= AttributesOf(absolute_, *relative);
    }
    *rgfInOut &= common;
    return S_OK;
  }

  HRESULT GetUIObjectOf(HWND, UINT cidl, LPCITEMIDLIST* apidl, REFIID riid, UINT*, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (cidl == 0 || !apidl) return E_INVALIDARG;
    std::vector<Items> children;
    for (UINT i = 0; i < cidl; ++i) {
      std::optional<Items> child = DecodeIdList(apidl[i]);
      if (!child || child->empty()) return E_INVALIDARG;
      children.push_back(std::move(*child));
    }
    IUnknown* object = nullptr;
    if (riid == IID_IContextMenu || riid == IID_IContextMenu2)
      object = CreateShellContextMenu(absolute_, children);
    else if (riid == IID_IDataObject)
      object = CreateShellDataObject(absolute_, children);
    else if (riid == IID_IDropTarget && cidl == 1 && children[0].back().IsFolder()) {
      const std::optional<std::string> path = PathOf(absolute_, children[0]);
      if (!path) return E_NOINTERFACE;
      object = CreateFolderDropTarget(*path);
    } else if (riid == IID_IDropTarget && cidl == 1) {
      // A program takes the files dropped on it as its arguments.
      const std::optional<std::string> path = PathOf(absolute_, children[0]);
      if (!path || !IsProgramFile(*path)) return E_NOINTERFACE;
      object = CreateProgramDropTarget(*path);
    } else
      return E_NOINTERFACE;
    const HRESULT result = object->QueryInterface(riid, ppv);
    object->Release();
    return result;
  }

  HRESULT GetDisplayNameOf(LPCITEMIDLIST pidl, SHGDNF uFlags, STRRET* pName) override {
    if (!pName) return E_POINTER;
    const std::optional<Items> relative = DecodeIdList(pidl);
    if (!relative) return E_INVALIDARG;
    const bool full = (uFlags & (SHGDN_FORPARSING | SHGDN_FORADDRESSBAR)) && !(uFlags & SHGDN_INFOLDER);
    Items absolute = absolute_;
    absolute.insert(absolute.end(), relative->begin(), relative->end());
    SetStrRet(full ? FullName(absolute, uFlags) : ShortName(absolute), pName);
    return S_OK;
  }

  HRESULT SetNameOf(HWND, LPCITEMIDLIST pidl, LPCOLESTR pszName, SHGDNF, LPITEMIDLIST* ppidlOut) override {
    if (ppidlOut) *ppidlOut = nullptr;
    const std::optional<Items> relative = DecodeIdList(pidl);
    if (!relative || relative->size() != 1 || !pszName) return E_INVALIDARG;
    Item item = relative->front();
    if (item.kind != ItemKind::Folder && item.kind != ItemKind::File) return E_INVALIDARG;
    const std::string name = Utf8FromWide(pszName);
    if (!IsPlainName(name)) return HRESULT_FROM_WIN32(ERROR_INVALID_NAME);
    const std::optional<std::string> from = PathOf(absolute_, *relative);
    const std::optional<std::string> folder = PathOf(absolute_);
    if (!from || !folder) return E_FAIL;
    const std::string to = *folder + "/" + name;
    if (name != item.name) {
      struct stat existing {};
      if (lstat(to.c_str(), &existing) == 0) return HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS);
      if (std::rename(from->c_str(), to.c_str()) != 0)
        return HRESULT_FROM_WIN32(errno == EACCES || errno == EPERM ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
    }
    item.name = name;
    if (ppidlOut) *ppidlOut = EncodeIdList({item});
    return S_OK;
  }

  HRESULT GetDefaultSearchGUID(GUID*) override { return E_NOTIMPL; }
  HRESULT EnumSearches(IEnumExtraSearch** ppenum) override {
    if (ppenum) *ppenum = nullptr;
    return E_NOTIMPL;
  }
  HRESULT GetDefaultColumn(DWORD, ULONG* pSort, ULONG* pDisplay) override {
    if (pSort) *pSort = 0;
    if (pDisplay) *pDisplay = 0;
    return S_OK;
  }
  HRESULT GetDefaultColumnState(UINT iColumn, SHCOLSTATEF* pcsFlags) override {
    if (!pcsFlags) return E_POINTER;
    if (iColumn >= kDetailColumnCount) return E_INVALIDARG;
    *pcsFlags = SHCOLSTATE_ONBYDEFAULT |
                (iColumn == 1 ? SHCOLSTATE_TYPE_INT : (iColumn == 3 ? SHCOLSTATE_TYPE_DATE : SHCOLSTATE_TYPE_STR));
    return S_OK;
  }
  HRESULT GetDetailsEx(LPCITEMIDLIST, const SHCOLUMNID*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT GetDetailsOf(LPCITEMIDLIST pidl, UINT iColumn, SHELLDETAILS* psd) override {
    if (!psd) return E_POINTER;
    if (iColumn >= kDetailColumnCount) return E_INVALIDARG;
    const DetailColumn& column = kDetailColumns[iColumn];
    psd->fmt = column.rightAligned ? 1 : 0;
    psd->cxChar = column.width;
    if (!pidl) {
      SetStrRet(column.heading, &psd->str);
      return S_OK;
    }
    const std::optional<Items> relative = DecodeIdList(pidl);
    if (!relative) return E_INVALIDARG;
    const std::optional<std::string> text = DetailText(absolute_, *relative, iColumn);
    if (!text) return E_INVALIDARG;
    SetStrRet(*text, &psd->str);
    return S_OK;
  }
  HRESULT MapColumnToSCID(UINT, SHCOLUMNID*) override { return E_NOTIMPL; }

 private:
  static std::string ShortName(const Items& absolute) {
    if (absolute.empty()) return "Desktop";
    const Item& last = absolute.back();
    switch (last.kind) {
      case ItemKind::MyComputer: return "My Computer";
      case ItemKind::Home: return LastName(HomeFolder());
      default: return last.name;
    }
  }

  static std::string FullName(const Items& absolute, SHGDNF flags) {
    if (!absolute.empty() && absolute.back().kind == ItemKind::MyComputer)
      return (flags & SHGDN_FORPARSING) ? kMyComputerParsingName : "My Computer";
    const std::optional<std::string> path = PathOf(absolute);
    return path ? ShownPath(*path) : ShortName(absolute);
  }

  Items absolute_;
};

}  // namespace

HRESULT CreateShellFolder(const Items& absolute, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  auto* folder = new ShellFolder(absolute);
  const HRESULT result = folder->QueryInterface(riid, ppv);
  folder->Release();
  return result;
}

void SetStrRet(const std::string& text, STRRET* out) {
  if (text.size() < MAX_PATH) {
    out->uType = STRRET_CSTR;
    std::memcpy(out->cStr, text.c_str(), text.size() + 1);
  } else {
    out->uType = STRRET_WSTR;
    out->pOleStr = WideFromUtf8(text);
  }
}

}  // namespace win::shell
