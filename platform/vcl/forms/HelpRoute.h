// The one door through which the class library asks for help. Every help
// call of the application object and the forms ends here, in the window
// layer's help viewer.
#pragma once

#include <string>

#include "platform/win/windef.h"
#include "platform/win/winuser.h"
#include "platform/win/winuser_help.h"

namespace vcl::forms {

// Asks the help viewer to carry out command (a WinHelp command number) with
// data on helpFile. Without a help file there is nothing to ask: false.
bool RouteHelp(const std::string& helpFile, UINT command, ULONG_PTR data);

}  // namespace vcl::forms
