// The shell browser controls' toolbox: the shell allocator and item-ID
// lists, binding, parsing and naming of shell items, special folders, the
// system image lists, two list classes, the shell-link reader, My Computer's
// revalidation, positional messages and the device-change dispatcher.
#pragma once

#include "controls/shell/UNavShellUtils/DeviceChange.h"
#include "controls/shell/UNavShellUtils/FormatStrPos.h"
#include "controls/shell/UNavShellUtils/IdListArray.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/MyComputer.h"
#include "controls/shell/UNavShellUtils/PidlList.h"
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "controls/shell/UNavShellUtils/ShellLink.h"
#include "controls/shell/UNavShellUtils/SystemInfo.h"

// The unit's process-wide state: the system version, the shell allocator and
// the comctl32 version, read once; every operation also reads them on first
// use. DoneNavShellUtils frees the device-change handler.
void InitNavShellUtils();
void DoneNavShellUtils();
