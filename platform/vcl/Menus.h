// The class library's menus: main menus, popup menus, their items and the
// shortcut keys.
#pragma once

#include "platform/vcl/menus/Menu.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/ShortCuts.h"
