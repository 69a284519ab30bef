// The library's integer file handles over the file system (-1 = failure; the
// reason is in GetLastOSError). Names are found through NativePath.
#pragma once

#include <cstdint>
#include <string>

// Open modes and share modes; share modes are advisory here (not enforced).
constexpr unsigned short fmOpenRead = 0x0000;
constexpr unsigned short fmOpenWrite = 0x0001;
constexpr unsigned short fmOpenReadWrite = 0x0002;
constexpr unsigned short fmShareCompat = 0x0000;
constexpr unsigned short fmShareExclusive = 0x0010;
constexpr unsigned short fmShareDenyWrite = 0x0020;
constexpr unsigned short fmShareDenyRead = 0x0030;
constexpr unsigned short fmShareDenyNone = 0x0040;

int FileOpen(const std::string& fileName, unsigned mode);
// Creates or truncates, opened for reading and writing.
int FileCreate(const std::string& fileName);
int FileRead(int handle, void* buffer, int count);
int FileWrite(int handle, const void* buffer, int count);
// Origin 0 from the start, 1 from the current position, 2 from the end;
// returns the new position or -1.
std::int64_t FileSeek(int handle, std::int64_t offset, int origin);
bool FileTruncate(int handle, std::int64_t size);
void FileClose(int handle);
