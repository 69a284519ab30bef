#include "controls/shell/UNavShellUtils.h"

void InitNavShellUtils() {
  IsWinNT();
  ShellMalloc();
  Comctl32Version();
}

void DoneNavShellUtils() {
  FreeDeviceChangeHandler();
}
