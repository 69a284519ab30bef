// The size, modified and type texts of a shell list's detail columns, and
// display names by SHGDN flags.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win/shlobj.h"

// Kilobytes rounded up, with thousands separators: "0KB", "1KB", "1,465KB".
std::string FormatSizeKB(std::uint64_t bytes);
// Both empty unless the item has a path longer than 3 characters that can be
// found: a file's size, and the last-write time (the creation time when the
// last-write time is zero) in local short date and time.
void GetSizeAndDateText(LPCITEMIDLIST absolute, std::string& size, std::string& modified);
// "System Folder" outside the file system, else the shell's type name
// (empty when the shell cannot say).
void GetTypeText(LPCITEMIDLIST absolute, SFGAOF attributes, std::string& type);
void GetDetailTexts(LPCITEMIDLIST absolute, SFGAOF attributes, std::string& size, std::string& modified,
                    std::string& type);

// GetDisplayNameOf with the flags as given; empty on failure.
void GetDisplayNameByFlags(IShellFolder* folder, LPCITEMIDLIST relative, DWORD flags, std::string& text);
