// Character and word steps over UTF-8 text, shared by the text controls.
#pragma once

#include <string>

namespace win::controls {

// Byte offset of the next / previous character; a "\r\n" counts as one.
int NextChar(const std::string& s, int pos);
int PrevChar(const std::string& s, int pos);
int WordStart(const std::string& s, int pos);
int WordEnd(const std::string& s, int pos);
int PrevWordStart(const std::string& s, int pos);
int NextWordStart(const std::string& s, int pos);
size_t CountChars(const std::string& s);
// Line breaks become nothing: a single-line edit keeps the first line only.
std::string SingleLine(const std::string& s);
// At most n bytes, never ending inside a UTF-8 sequence.
std::string CutToBytes(const std::string& s, size_t n);

}  // namespace win::controls
