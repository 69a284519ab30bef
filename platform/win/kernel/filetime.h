// Conversions between FILETIME (100 ns ticks since 1601-01-01 UTC) and Unix
// time, shared by the time functions and the file functions.
#pragma once

#include <sys/stat.h>

#include <cstdint>

#include "platform/win/winbase.h"

namespace win::kernel {

// 100-ns ticks from 1601 to 1970.
constexpr std::int64_t kUnixEpochTicks = 116444736000000000LL;

FILETIME FileTimeFromTicks(std::uint64_t ticks);
std::uint64_t TicksFromFileTime(const FILETIME& ft);
FILETIME FileTimeFromTimespec(const timespec& ts);
FILETIME FileTimeFromUnixMicros(std::int64_t micros);

}  // namespace win::kernel
