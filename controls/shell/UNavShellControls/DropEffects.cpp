#include "controls/shell/UNavShellControls/DropEffects.h"

#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellControls/TransferBlocks.h"
#include "platform/win/commctrl.h"  // the image lists ShellItems.h names
#include "controls/shell/UNavShellUtils/ShellItems.h"

namespace {

constexpr DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// Unlocks and releases the medium however the reading ends.
struct TLockedMedium {
  STGMEDIUM Medium{};
  const void* Bytes = nullptr;
  ~TLockedMedium() {
    if (Bytes) GlobalUnlock(Medium.hGlobal);
    ReleaseStgMedium(&Medium);
  }
};

}  // namespace

DWORD GetAllowedDropEffects(IDataObject* data) {
  if (!data) return kAllEffects;
  FORMATETC format{CF_SHELLIDLIST(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  if (data->QueryGetData(&format) != S_OK) return kAllEffects;
  TLockedMedium locked;
  if (data->GetData(&format, &locked.Medium) != S_OK) return kAllEffects;
  if (locked.Medium.tymed != TYMED_HGLOBAL || !locked.Medium.hGlobal) return kAllEffects;
  locked.Bytes = GlobalLock(locked.Medium.hGlobal);
  TNavCidaView cida;
  if (!ReadCida(locked.Bytes, GlobalSize(locked.Medium.hGlobal), cida)) return kAllEffects;
  if (cida.Children.empty()) return kAllEffects;

  IShellFolder* folder = nullptr;
  OleCheck(GetShellFolder(cida.Parent, &folder));
  SFGAOF attributes = SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANLINK;
  const HRESULT asked =
      folder->GetAttributesOf(static_cast<UINT>(cida.Children.size()), cida.Children.data(), &attributes);
  folder->Release();
  OleCheck(asked);
  return attributes & kAllEffects;
}
