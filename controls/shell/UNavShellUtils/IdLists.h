// Item-ID lists: the shell allocator and the operations on whole lists.
//
// A list is a run of items, each starting with its 16-bit little-endian byte
// count (counting itself), ended by a 16-bit zero. Where an absolute list is
// expected, nil and the empty list (the terminator alone) both stand for the
// desktop. Every list the controls make, copy or receive goes through the
// shell allocator.
#pragma once

#include <cstddef>

#include "platform/win/shlobj.h"

// What ComparePidls answers when the shell cannot compare.
inline constexpr int kPidlCompareFailed = 2147483647;

// The process's shell allocator (SHGetMalloc), kept for the life of the process.
IMalloc* ShellMalloc();
void* ShellAlloc(std::size_t size);
// Nil is ignored.
void ShellFree(void* block);

// The items' byte counts plus the terminator; 0 for nil.
int PidlSize(LPCITEMIDLIST list);
// True for nil and for the empty list.
bool IsDesktopPidl(LPCITEMIDLIST list);
// A copy with a fresh terminator (nil gives the empty list); a nil allocator
// is the shell allocator. Nil when the allocation fails.
LPITEMIDLIST CopyPidl(IMalloc* allocator, LPCITEMIDLIST list);
// The items of first, then those of second, one terminator; either may be nil.
LPITEMIDLIST ConcatPidls(IMalloc* allocator, LPCITEMIDLIST first, LPCITEMIDLIST second);
// The order of two absolute lists: negative, 0 or positive, antisymmetric.
// Nil and the empty list are the same desktop, which comes before every other
// item. Otherwise the desktop folder's CompareIDs on column 0, its low 16 bits
// read as a signed number; kPidlCompareFailed when the shell cannot say.
int ComparePidls(LPCITEMIDLIST a, LPCITEMIDLIST b);
