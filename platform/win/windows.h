// The Windows API stand-in as one header, as the system's own code includes it.
#pragma once

#include "platform/win/windef.h"
#include "platform/win/winerror.h"
#include "platform/win/winbase.h"
#include "platform/win/mmsystem.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser.h"
#include "platform/win/winuser_help.h"
#include "platform/win/winuser_clipboard.h"
#include "platform/win/winres.h"
