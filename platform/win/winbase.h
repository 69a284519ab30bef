#pragma once
#include "platform/win/windef.h"
