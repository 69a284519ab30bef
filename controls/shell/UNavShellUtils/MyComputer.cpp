#include "controls/shell/UNavShellUtils/MyComputer.h"

#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/ShellItems.h"

namespace {

int g_refreshNesting = 0;

}  // namespace

void RevalidateMyComputer() {
  if (g_refreshNesting > 0) return;
  LPITEMIDLIST location = nullptr;
  OleCheck(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &location));
  IShellFolder* folder = nullptr;
  const HRESULT bound = GetShellFolder(location, &folder);
  ShellFree(location);
  OleCheck(bound);
  SFGAOF attributes = SFGAO_VALIDATE;
  folder->GetAttributesOf(0, nullptr, &attributes);
  folder->Release();
}

void BeginMyComputerRefresh() {
  ++g_refreshNesting;
}

void EndMyComputerRefresh() {
  if (g_refreshNesting > 0) --g_refreshNesting;
}
