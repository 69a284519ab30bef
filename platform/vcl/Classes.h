// The library's classes: streams, lists, threads and the persistent objects.
#pragma once

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/lists/Lists.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/classes/threads/Thread.h"

#if __has_include("platform/vcl/classes/persistence/Persistence.h")
#include "platform/vcl/classes/persistence/Persistence.h"
#endif
