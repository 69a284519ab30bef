// Conversions between the wide strings some form streams hold and the UTF-8
// strings of this system.
#pragma once

#include <string>

namespace vcl::streaming {

// Little-endian UTF-16 bytes to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(const std::string& bytes);
// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, unsigned codePoint);

}  // namespace vcl::streaming
