// Turning source files into resources as Windows stores them.
#pragma once

#include <map>
#include <string>

#include "tools/resembed/resource_set.h"

namespace resembed {

// A BMP file without its 14-byte file header. Throws Failure.
Bytes BitmapFromBmp(const Bytes& file, const std::string& path);

// An .ico or .cur file as one group resource (RT_GROUP_ICON / RT_GROUP_CURSOR
// named `name`) plus one RT_ICON / RT_CURSOR per image, numbered from
// `nextImageId` on. Throws Failure.
void AddIconOrCursor(const Bytes& file, const std::string& path, const Id& name, bool cursor,
                     std::uint16_t& nextImageId, std::vector<Resource>& out);

// Parses `number "text"` lines (# comments; \n \t \r \" \\ \xHH escapes) into
// `strings`; a number given twice is an error. Throws Failure.
void ReadStringTable(const std::string& text, const std::string& path, std::map<std::uint32_t, std::string>& strings);
// The RT_STRING blocks: block n + 1 holds strings 16n .. 16n + 15, each a
// 16-bit little-endian byte count and its UTF-8 bytes.
void AddStringBlocks(const std::map<std::uint32_t, std::string>& strings, std::vector<Resource>& out);

}  // namespace resembed
