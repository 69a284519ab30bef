// UTF-8 decoding for the text layer. A byte that does not start a valid
// sequence (stray continuation, overlong form, truncated sequence, surrogate)
// is taken as the Latin-1 character of the same value, so text from old
// single-byte files still shows its accented letters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win::text {

struct DecodedChar {
  char32_t codePoint;
  std::size_t length;  // bytes consumed, at least 1
};

// Decodes the character starting at text[pos]; pos must be < text.size().
DecodedChar DecodeUtf8At(std::string_view text, std::size_t pos);

// Appends the UTF-8 bytes of cp; a value that is no character (a surrogate,
// beyond U+10FFFF) becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

// Length of the longest prefix of text not longer than maxBytes that ends on a
// character boundary.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes);

}  // namespace win::text
