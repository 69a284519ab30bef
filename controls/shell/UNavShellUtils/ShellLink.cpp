#include "controls/shell/UNavShellUtils/ShellLink.h"

#include <cstring>

#include "controls/shell/UNavShellUtils/WideText.h"
#include "platform/win/objbase.h"

namespace {

constexpr int kTextBuffer = 261;
constexpr std::size_t kMaxLoadedPath = 259;
constexpr HRESULT kTooLong = static_cast<HRESULT>(0x8007007AL);  // ERROR_INSUFFICIENT_BUFFER

// A text that fills its buffer may have been cut: that is no answer.
HRESULT TakeText(HRESULT result, const char* buffer, std::string& out) {
  if (FAILED(result)) return result;
  const std::size_t length = strnlen(buffer, kTextBuffer);
  if (length >= kTextBuffer - 1) return kTooLong;
  out.assign(buffer, length);
  return result;
}

template <class T>
struct TReleaser {
  T* p = nullptr;
  ~TReleaser() {
    if (p) p->Release();
  }
};

}  // namespace

HRESULT ReadShellLink(const std::string& path, TLinkData& data, bool wantIdList) {
  data.IdList = nullptr;
  TReleaser<IShellLinkA> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(&link.p));
  if (FAILED(result)) return result;
  TReleaser<IPersistFile> file;
  result = link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p));
  if (FAILED(result)) return result;
  std::wstring wide = navshell::ToWide(path);
  if (wide.size() > kMaxLoadedPath) return kTooLong;
  result = file.p->Load(wide.c_str(), STGM_READ);
  if (FAILED(result)) return result;
  result = link.p->Resolve(nullptr, (data.NoUI ? SLR_NO_UI : 0) | SLR_ANY_MATCH);
  if (FAILED(result)) return result;

  char buffer[kTextBuffer];
  std::memset(buffer, 0, sizeof buffer);
  result = TakeText(link.p->GetPath(buffer, kTextBuffer, &data.FindData, 0), buffer, data.PathName);
  if (FAILED(result)) return result;
  std::memset(buffer, 0, sizeof buffer);
  result = TakeText(link.p->GetArguments(buffer, kTextBuffer), buffer, data.Arguments);
  if (FAILED(result)) return result;
  std::memset(buffer, 0, sizeof buffer);
  result = TakeText(link.p->GetDescription(buffer, kTextBuffer), buffer, data.Description);
  if (FAILED(result)) return result;
  std::memset(buffer, 0, sizeof buffer);
  result = TakeText(link.p->GetIconLocation(buffer, kTextBuffer, &data.IconIndex), buffer, data.IconPath);
  if (FAILED(result)) return result;
  std::memset(buffer, 0, sizeof buffer);
  result = TakeText(link.p->GetWorkingDirectory(buffer, kTextBuffer), buffer, data.WorkingDirectory);
  if (FAILED(result)) return result;
  result = link.p->GetShowCmd(&data.ShowCmd);
  if (FAILED(result)) return result;
  result = link.p->GetHotkey(&data.HotKey);
  if (FAILED(result)) return result;
  data.ValidFields = 63;
  if (wantIdList) {
    result = link.p->GetIDList(&data.IdList);
    if (FAILED(result)) return result;
  }
  return S_OK;
}
