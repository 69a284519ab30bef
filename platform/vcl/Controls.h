// The class library's controls: the base control classes, their messages,
// screen and mouse, hint windows, image lists and actions.
#pragma once

#include "platform/vcl/controls/ActionList.h"
#include "platform/vcl/controls/Control.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlMessages.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/controls/MessageMap.h"
#include "platform/vcl/controls/ScrollingWinControl.h"
#include "platform/vcl/controls/WinControl.h"
#if __has_include("platform/vcl/controls/Screen.h")
#include "platform/vcl/controls/Screen.h"
#endif
#if __has_include("platform/vcl/controls/HintWindow.h")
#include "platform/vcl/controls/HintWindow.h"
#endif
#if __has_include("platform/vcl/controls/ImageList.h")
#include "platform/vcl/controls/ImageList.h"
#endif
