// The one door through which the class library asks for help. Every help
// call of the application object and the forms ends here, so that the help
// viewer can be plugged in at one place.
#pragma once

#include <string>

#include "platform/win/windef.h"
#include "platform/win/winuser.h"

// WinHelp command numbers (the help viewer's own header may bring them).
#ifndef HELP_CONTEXT
#define HELP_CONTEXT 0x0001
#define HELP_QUIT 0x0002
#define HELP_CONTENTS 0x0003
#define HELP_INDEX 0x0003
#define HELP_HELPONHELP 0x0004
#define HELP_SETINDEX 0x0005
#define HELP_SETCONTENTS 0x0005
#define HELP_CONTEXTPOPUP 0x0008
#define HELP_FORCEFILE 0x0009
#define HELP_FINDER 0x000B
#define HELP_KEY 0x0101
#define HELP_COMMAND 0x0102
#define HELP_PARTIALKEY 0x0105
#endif

namespace vcl::forms {

// Asks the help viewer to carry out command (a WinHelp command number) with
// data on helpFile. No viewer is attached yet: reports false and does nothing.
bool RouteHelp(const std::string& helpFile, UINT command, ULONG_PTR data);

}  // namespace vcl::forms
