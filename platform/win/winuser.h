#pragma once
#include "platform/win/windef.h"
#include "platform/win/winuser_draw.h"
