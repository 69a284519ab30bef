// The library's pointer lists and bit arrays.
#pragma once

#include "platform/vcl/classes/lists/Bits.h"
#include "platform/vcl/classes/lists/List.h"
#include "platform/vcl/classes/lists/ThreadList.h"
