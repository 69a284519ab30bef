// The push button forms use: TButton lives with the standard controls.
#pragma once

#include "platform/vcl/stdctrls/Button.h"
