#include "controls/shell/UNavShellControls/UnitStartup.h"

#include "controls/shell/UNavShellControls/SendToMenu.h"
#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellControls/ShellList.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellControls/TransferBlocks.h"
#include "platform/win/ole2.h"

namespace {

int& StartCount() {
  static int count = 0;
  return count;
}

}  // namespace

void InitNavShellControls() {
  if (StartCount()++ > 0) return;
  CF_SHELLIDLIST();
  OleInitialize(nullptr);
  // Forms name them.
  RegisterClasses({TNavShellList::StaticClass(), TNavShellCombo::StaticClass(), TNavShellTree::StaticClass()});
}

void DoneNavShellControls() {
  if (StartCount() == 0 || --StartCount() > 0) return;
  FreeSendToList();
  OleUninitialize();
}
