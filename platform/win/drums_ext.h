#pragma once
// The few services of the Windows stand-in that higher layers need and that
// have no Windows name. Everything here is part of the layer's public face;
// every other header below platform/win/<folder>/ is private to the layer.
//
// - win::clock: the one clock seam behind GetTickCount, timeGetTime, the
//   microsecond clock and every timed wait; tests switch it to a manual clock
//   and advance it by hand.
// - win::kernel path helpers: Windows-style paths ("\" separators, names that
//   differ only in case) resolved onto the file system.
// - win::user idle hook: how the class library's message loop idles.
// - win::user window-procedure exceptions: where an exception thrown while
//   handling a message from another thread goes on the window's thread.
// - win::gdi DIB files: reading and writing BMP data without a device.
// - win::version file versions: which version a file's version block holds.

#include "platform/win/kernel/clock.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/user/idle_hook.h"
#include "platform/win/user/wndproc_exception.h"
#include "platform/win/gdi/bmp_file.h"
#include "platform/win/version/file_versions.h"
