#include "platform/win/shell/data_object.h"

#include <cstring>
#include <map>

#include "platform/win/kernel/paths.h"
#include "platform/win/shell/com_base.h"
#include "platform/win/shell/namespace_paths.h"
#include "platform/win/windows.h"

namespace win::shell {

namespace {

using Bytes = std::vector<BYTE>;

void Append(Bytes& out, const void* data, std::size_t size) {
  const BYTE* at = static_cast<const BYTE*>(data);
  out.insert(out.end(), at, at + size);
}

void AppendList(Bytes& out, const Items& items) {
  LPITEMIDLIST list = EncodeIdList(items);
  if (!list) return;
  Append(out, list, IdListSize(list));
  CoTaskMemFree(list);
}

Bytes IdListArray(const Items& folder, const std::vector<Items>& children) {
  const std::size_t header = sizeof(UINT) * (children.size() + 2);
  Bytes out(header, 0);
  std::vector<UINT> offsets;
  offsets.push_back(static_cast<UINT>(out.size()));
  AppendList(out, folder);
  for (const Items& child : children) {
    offsets.push_back(static_cast<UINT>(out.size()));
    AppendList(out, child);
  }
  const UINT count = static_cast<UINT>(children.size());
  std::memcpy(out.data(), &count, sizeof count);
  std::memcpy(out.data() + sizeof(UINT), offsets.data(), offsets.size() * sizeof(UINT));
  return out;
}

Bytes DropFiles(const std::vector<std::string>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  Bytes out;
  Append(out, &header, sizeof header);
  for (const std::string& path : paths) Append(out, path.c_str(), path.size() + 1);
  out.push_back(0);
  return out;
}

HRESULT CheckFormat(const FORMATETC* format, bool known) {
  if (!known) return DV_E_FORMATETC;
  if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
  if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (format->lindex != -1) return DV_E_LINDEX;
  return S_OK;
}

class FormatEnumerator final : public ComObject<IEnumFORMATETC> {
 public:
  FormatEnumerator(std::vector<CLIPFORMAT> formats, std::size_t at) : formats_(std::move(formats)), at_(at) {}

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    return Answer(ppv, riid == IID_IUnknown || riid == IID_IEnumFORMATETC);
  }
  HRESULT Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override {
    if (!rgelt) return E_POINTER;
    ULONG fetched = 0;
    for (; fetched < celt && at_ < formats_.size(); ++fetched, ++at_)
      rgelt[fetched] = {formats_[at_], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (pceltFetched) *pceltFetched = fetched;
    return fetched == celt ? S_OK : S_FALSE;
  }
  HRESULT Skip(ULONG celt) override {
    const std::size_t left = formats_.size() - at_;
    at_ += std::min<std::size_t>(celt, left);
    return celt <= left ? S_OK : S_FALSE;
  }
  HRESULT Reset() override {
    at_ = 0;
    return S_OK;
  }
  HRESULT Clone(IEnumFORMATETC** ppenum) override {
    if (!ppenum) return E_POINTER;
    *ppenum = new FormatEnumerator(formats_, at_);
    return S_OK;
  }

 private:
  std::vector<CLIPFORMAT> formats_;
  std::size_t at_;
};

class ShellDataObject final : public ComObject<IDataObject> {
 public:
  void Add(CLIPFORMAT format, Bytes bytes) {
    if (!data_.contains(format)) formats_.push_back(format);
    data_[format] = std::move(bytes);
  }

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    return Answer(ppv, riid == IID_IUnknown || riid == IID_IDataObject);
  }

  HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!format || !medium) return E_INVALIDARG;
    const auto found = data_.find(format->cfFormat);
    if (const HRESULT check = CheckFormat(format, found != data_.end()); FAILED(check)) return check;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, found->second.size());
    if (!block) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(block), found->second.data(), found->second.size());
    GlobalUnlock(block);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }

  HRESULT GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }

  HRESULT QueryGetData(FORMATETC* format) override {
    if (!format) return E_INVALIDARG;
    return CheckFormat(format, data_.contains(format->cfFormat));
  }

  HRESULT GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }

  HRESULT SetData(FORMATETC* format, STGMEDIUM* medium, BOOL fRelease) override {
    if (!format || !medium) return E_INVALIDARG;
    if (medium->tymed != TYMED_HGLOBAL || !(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    const SIZE_T size = GlobalSize(medium->hGlobal);
    const void* at = GlobalLock(medium->hGlobal);
    if (!at && size) return E_INVALIDARG;
    Bytes copy(static_cast<const BYTE*>(at), static_cast<const BYTE*>(at) + size);
    GlobalUnlock(medium->hGlobal);
    if (!data_.contains(format->cfFormat)) formats_.push_back(format->cfFormat);
    data_[format->cfFormat] = std::move(copy);
    if (fRelease) ReleaseStgMedium(medium);
    return S_OK;
  }

  HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    *out = new FormatEnumerator(formats_, 0);
    return S_OK;
  }

  HRESULT DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT EnumDAdvise(IEnumSTATDATA** out) override {
    if (out) *out = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::vector<CLIPFORMAT> formats_;
  std::map<CLIPFORMAT, Bytes> data_;
};

}  // namespace

IDataObject* CreateShellDataObject(const Items& folder, const std::vector<Items>& children) {
  auto* object = new ShellDataObject;
  object->Add(static_cast<CLIPFORMAT>(RegisterClipboardFormatA(CFSTR_SHELLIDLIST)), IdListArray(folder, children));
  std::vector<std::string> paths;
  for (const Items& child : children) {
    if (const std::optional<std::string> path = PathOf(folder, child)) paths.push_back(ShownPath(*path));
  }
  // Only when every item has a path, so that no item is silently left out.
  if (!paths.empty() && paths.size() == children.size()) object->Add(CF_HDROP, DropFiles(paths));
  return object;
}

IDataObject* CreateDropFilesDataObject(const std::vector<std::string>& paths) {
  auto* object = new ShellDataObject;
  std::vector<std::string> shown;
  for (const std::string& path : paths) shown.push_back(path.starts_with("/") ? ShownPath(path) : path);
  object->Add(CF_HDROP, DropFiles(shown));
  return object;
}

std::vector<std::string> PathsOfDropFiles(const void* block, std::size_t size) {
  std::vector<std::string> paths;
  if (!block || size < sizeof(DROPFILES)) return paths;
  DROPFILES header;
  std::memcpy(&header, block, sizeof header);
  const char* bytes = static_cast<const char*>(block);
  std::size_t at = header.pFiles;
  while (at < size && bytes[at] != 0) {
    const std::size_t length = strnlen(bytes + at, size - at);
    if (at + length >= size) break;
    paths.emplace_back(bytes + at, length);
    at += length + 1;
  }
  return paths;
}

std::vector<std::string> DroppedFilePaths(IDataObject* data) {
  std::vector<std::string> paths;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (!data || FAILED(data->GetData(&format, &medium))) return paths;
  for (const std::string& path : PathsOfDropFiles(GlobalLock(medium.hGlobal), GlobalSize(medium.hGlobal)))
    paths.push_back(win::kernel::ResolvePath(path));
  GlobalUnlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
  return paths;
}

}  // namespace win::shell

void ReleaseStgMedium(STGMEDIUM* pmedium) {
  if (!pmedium) return;
  if (pmedium->pUnkForRelease) {
    pmedium->pUnkForRelease->Release();
  } else if (pmedium->tymed == TYMED_HGLOBAL && pmedium->hGlobal) {
    GlobalFree(pmedium->hGlobal);
  }
  pmedium->tymed = TYMED_NULL;
  pmedium->hGlobal = nullptr;
  pmedium->pUnkForRelease = nullptr;
}
