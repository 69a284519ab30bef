// The class library's common controls: status bar, page control and tab
// sheets, up-down button and header control.
#pragma once

#include "platform/vcl/comctrls/HeaderControl.h"
#include "platform/vcl/comctrls/PageControl.h"
#include "platform/vcl/comctrls/StatusBar.h"
#include "platform/vcl/comctrls/UpDown.h"
