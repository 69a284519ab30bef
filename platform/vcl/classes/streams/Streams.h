// The library's streams.
#pragma once

#include "platform/vcl/classes/streams/HandleStream.h"
#include "platform/vcl/classes/streams/MemoryStream.h"
#include "platform/vcl/classes/streams/Stream.h"
