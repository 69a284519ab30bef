#pragma once
#include "platform/win/windef.h"
#include "platform/win/wingdi_font.h"
