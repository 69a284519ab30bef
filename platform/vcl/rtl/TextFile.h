// Pascal text files: AssignFile, Reset / Rewrite / Append, Read / ReadLn,
// Write / WriteLn, Eof / Eoln, CloseFile and IOResult.
//
// Lines are written with CR LF; a reader takes CR LF, LF or a lone CR as a
// line end. Errors carry the run-time's I/O error numbers (2 file not found,
// 3 path not found, 5 access denied, 100 read beyond end of file, 101 write
// failed, 103 file not open, 104 not open for input, 105 not open for output,
// 106 invalid numeric input). With I/O checking on (the default) an error
// raises EInOutError at once; with it off (IOCheckingOff) the error waits in
// IOResult and every I/O call does nothing until IOResult has been read.
#pragma once

#include <concepts>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <type_traits>
#include <string>

#include "platform/vcl/rtl/ShortString.h"

class TextFile {
 public:
  TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  // Closes (and so flushes) a file still open.
  ~TextFile();

  enum class Mode { Closed, Input, Output };
  Mode GetMode() const { return FMode; }
  const std::string& GetName() const { return FName; }

 private:
  friend struct TextFileAccess;
  std::string FName;
  bool FAssigned = false;
  Mode FMode = Mode::Closed;
  std::FILE* FFile = nullptr;
  std::string FIn;  // read ahead of an input file
  std::size_t FInPos = 0;
};

void AssignFile(TextFile& f, const std::string& fileName);
void Assign(TextFile& f, const std::string& fileName);
// Opens for reading at the start.
void Reset(TextFile& f);
// Creates or empties the file, then opens it for writing.
void Rewrite(TextFile& f);
// Opens an existing file for writing at its end.
void Append(TextFile& f);
void CloseFile(TextFile& f);

// Eof: nothing left to read. Eoln: at a line end or Eof. SeekEof / SeekEoln
// first skip blanks (SeekEof also line ends).
bool Eof(TextFile& f);
bool Eoln(TextFile& f);
bool SeekEof(TextFile& f);
bool SeekEoln(TextFile& f);

// The pending I/O error number (0 = none); reading it clears it.
int IOResult();

// While one of these lives on a thread, I/O errors of that thread do not
// raise but wait in IOResult (the {$I-} of the programs).
class IOCheckingOff {
 public:
  IOCheckingOff();
  ~IOCheckingOff();
  IOCheckingOff(const IOCheckingOff&) = delete;
  IOCheckingOff& operator=(const IOCheckingOff&) = delete;

 private:
  bool FWasOn;
};

// The message of an I/O error number ("File not found").
std::string InOutErrorMessage(int code);

namespace vcl::rtl::text {

// Integers skip blanks and line ends, then take the characters up to the next
// blank or line end; no number left before the end raises 100, a malformed
// one or one outside the variable's range 106. Strings take the rest of the
// line (not its end); a ShortString takes at most N bytes of it.
void ReadInteger(TextFile& f, std::int64_t& value, std::int64_t min, std::int64_t max);
// The same; true when a value was read (value is left alone otherwise).
bool ReadIntegerValue(TextFile& f, std::int64_t& value, std::int64_t min, std::int64_t max);
void ReadFloat(TextFile& f, double& value);
void ReadChar(TextFile& f, char& c);
void ReadString(TextFile& f, std::string& s, std::size_t limit);
// Skips to just after the next line end.
void SkipLine(TextFile& f);

void WriteText(TextFile& f, const std::string& s);
void WriteLineEnd(TextFile& f);

template <class T>
concept Integer = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char>;

template <Integer T>
void ReadOne(TextFile& f, T& v) {
  // A failed read (with I/O checking off) leaves the variable as it was, which
  // may never have been set: only a value read is stored.
  std::int64_t x = 0;
  std::int64_t lo = std::is_signed_v<T> ? static_cast<std::int64_t>(std::numeric_limits<T>::min()) : 0;
  std::int64_t hi = sizeof(T) >= 8 ? std::numeric_limits<std::int64_t>::max()
                                   : static_cast<std::int64_t>(std::numeric_limits<T>::max());
  if (ReadIntegerValue(f, x, lo, hi)) v = static_cast<T>(x);
}
inline void ReadOne(TextFile& f, double& v) {
  ReadFloat(f, v);
}
inline void ReadOne(TextFile& f, char& c) {
  ReadChar(f, c);
}
inline void ReadOne(TextFile& f, std::string& s) {
  ReadString(f, s, std::string::npos);
}
template <std::size_t N>
void ReadOne(TextFile& f, ShortString<N>& s) {
  std::string text = s.Get();
  ReadString(f, text, N);
  s = text;
}

template <Integer T>
void WriteOne(TextFile& f, T v) {
  WriteText(f, std::to_string(v));
}
inline void WriteOne(TextFile& f, bool v) {
  WriteText(f, v ? "TRUE" : "FALSE");
}
inline void WriteOne(TextFile& f, char c) {
  WriteText(f, std::string(1, c));
}
inline void WriteOne(TextFile& f, const std::string& s) {
  WriteText(f, s);
}
inline void WriteOne(TextFile& f, const char* s) {
  WriteText(f, s ? s : "");
}
template <std::size_t N>
void WriteOne(TextFile& f, const ShortString<N>& s) {
  WriteText(f, s.Get());
}

}  // namespace vcl::rtl::text

template <class... Args>
void Read(TextFile& f, Args&... args) {
  (vcl::rtl::text::ReadOne(f, args), ...);
}

// Reads the values, then skips the rest of the line.
template <class... Args>
void ReadLn(TextFile& f, Args&... args) {
  (vcl::rtl::text::ReadOne(f, args), ...);
  vcl::rtl::text::SkipLine(f);
}

template <class... Args>
void Write(TextFile& f, const Args&... args) {
  (vcl::rtl::text::WriteOne(f, args), ...);
}

template <class... Args>
void WriteLn(TextFile& f, const Args&... args) {
  (vcl::rtl::text::WriteOne(f, args), ...);
  vcl::rtl::text::WriteLineEnd(f);
}
