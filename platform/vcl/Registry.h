// The class library's registry access: TRegistry and TRegIniFile.
#pragma once

#include "platform/vcl/settings/RegistryAccess.h"
