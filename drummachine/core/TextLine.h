// Reading a line of free text (a path or a name) from the program's text
// files with a bound: a line longer than any such field is cut, and the rest
// of it is skipped without ever being held, so a file with a line of a
// hundred megabytes costs no more memory than one with a short line.
#pragma once

#include <cstddef>
#include <string>

#include "platform/vcl/SysUtils.h"

// Longer than any path the file functions open (and any wave or kit name).
constexpr std::size_t LongestTextLine = 4096;

// Reads the rest of the line, at most limit bytes of it (whole UTF-8
// sequences), and moves past the line's end.
inline void ReadTextLine(TextFile& f, std::string& text, std::size_t limit = LongestTextLine) {
  vcl::rtl::text::ReadString(f, text, limit);
  vcl::rtl::text::SkipLine(f);
}

// The next line as a field of a file whose lines are all there: at most
// limit bytes of it (the rest is skipped). A line that is missing is a file
// cut short (I/O error 100), not an empty text.
inline std::string ReadTextField(TextFile& f, std::size_t limit = LongestTextLine) {
  if (Eof(f)) throw EInOutError(InOutErrorMessage(100), 100);
  std::string line;
  ReadTextLine(f, line, limit);
  return line;
}
