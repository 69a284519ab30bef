#include "controls/shell/UNavShellControls/SendToDrop.h"

#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/win/commctrl.h"  // the image lists ShellItems.h names
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "controls/shell/UNavShellUtils/WideText.h"
#include "platform/win/windows.h"

namespace {

// Frees what it holds when the drop ends, however it ends.
struct TSendToParts {
  LPITEMIDLIST Folder = nullptr;
  LPITEMIDLIST Entry = nullptr;
  IShellFolder* Bound = nullptr;
  IDropTarget* Target = nullptr;
  ~TSendToParts() {
    if (Target) Target->Release();
    if (Bound) Bound->Release();
    ShellFree(Entry);
    ShellFree(Folder);
  }
};

}  // namespace

void SendToDrop(const std::string& entryName, IDataObject* data) {
  TSendToParts parts;
  OleCheck(GetSpecialFolderPidl(nullptr, CSIDL_SENDTO, &parts.Folder));
  OleCheck(GetShellFolder(parts.Folder, &parts.Bound));
  std::wstring name = navshell::ToWide(entryName);
  if (name.size() > MAX_PATH - 1) OleCheck(HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
  OleCheck(parts.Bound->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &parts.Entry, nullptr));
  LPCITEMIDLIST items[] = {parts.Entry};
  OleCheck(
      parts.Bound->GetUIObjectOf(nullptr, 1, items, IID_IDropTarget, nullptr, reinterpret_cast<void**>(&parts.Target)));
  DWORD effect = DROPEFFECT_COPY;
  const POINTL origin{0, 0};
  parts.Target->DragEnter(data, MK_LBUTTON, origin, &effect);
  parts.Target->DragOver(MK_LBUTTON, origin, &effect);
  // A target that could not take the items (a program that did not start,
  // a copy that failed) is reported rather than passed over in silence.
  OleCheck(parts.Target->Drop(data, MK_LBUTTON, origin, &effect));
}
