// Messages with positional inserts "%1" ... "%n".
#pragma once

#include <string>
#include <vector>

inline constexpr int kMaxFormatStrPosStrings = 50;

// Formats through FormatMessageA; more than 50 strings raise; an empty
// format or a failing format gives the empty string.
std::string FormatStrPos(const std::string& format, const std::vector<std::string>& strings);
