// The class library's settings files: TCustomIniFile and TIniFile.
#pragma once

#include "platform/vcl/settings/IniFile.h"
