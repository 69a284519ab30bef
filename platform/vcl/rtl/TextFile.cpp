#include "platform/vcl/rtl/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

#include "platform/vcl/rtl/Conversions.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/NativePath.h"
#include "platform/vcl/rtl/OSErrors.h"

namespace {

thread_local int inOutRes = 0;
thread_local bool ioChecking = true;

// Records an I/O error; with checking on it raises at once.
void IOError(int code) {
  inOutRes = code;
  if (ioChecking) {
    inOutRes = 0;
    EInOutError e(InOutErrorMessage(code));
    e.ErrorCode = code;
    throw e;
  }
}

// A failed open reports the system's error number; anything unusual counts
// as access denied.
int OpenErrorCode(const std::string& native, int err) {
  int code = vcl::rtl::OSErrorOfOpen(native, err);
  return code == 2 || code == 3 || code == 4 ? code : 5;
}

bool IsLineEnd(int c) {
  return c == '\r' || c == '\n';
}
bool IsBlank(int c) {
  return c == ' ' || c == '\t';
}

}  // namespace

struct TextFileAccess {
  static constexpr std::size_t kKeepBehind = 8;

  // An earlier unread error blocks every call, as in the run-time.
  static bool Ready() { return inOutRes == 0; }

  static bool Input(TextFile& f) {
    if (!Ready()) return false;
    if (f.FMode == TextFile::Mode::Closed) return IOError(103), false;
    if (f.FMode != TextFile::Mode::Input) return IOError(104), false;
    return true;
  }

  static bool Output(TextFile& f) {
    if (!Ready()) return false;
    if (f.FMode == TextFile::Mode::Closed) return IOError(103), false;
    if (f.FMode != TextFile::Mode::Output) return IOError(105), false;
    return true;
  }

  // The byte `ahead` places past the read position, or EOF.
  static int Peek(TextFile& f, std::size_t ahead = 0) {
    while (f.FInPos + ahead >= f.FIn.size()) {
      // Drop what was read, but keep a few bytes so Unget can step back
      // over a partly read UTF-8 sequence.
      if (f.FInPos > kKeepBehind) {
        f.FIn.erase(0, f.FInPos - kKeepBehind);
        f.FInPos = kKeepBehind;
      }
      char chunk[8192];
      std::size_t n = std::fread(chunk, 1, sizeof chunk, f.FFile);
      if (n == 0) return EOF;
      f.FIn.append(chunk, n);
    }
    return static_cast<unsigned char>(f.FIn[f.FInPos + ahead]);
  }
  static int Get(TextFile& f) {
    int c = Peek(f);
    if (c != EOF) ++f.FInPos;
    return c;
  }

  // Consumes one line end (CR LF, LF or CR) if one is next.
  static void TakeLineEnd(TextFile& f) {
    int c = Peek(f);
    if (c == '\r') {
      Get(f);
      if (Peek(f) == '\n') Get(f);
    } else if (c == '\n') {
      Get(f);
    }
  }

  static void Write(TextFile& f, const std::string& s) {
    if (!s.empty() && std::fwrite(s.data(), 1, s.size(), f.FFile) != s.size()) IOError(101);
  }

  static void Unget(TextFile& f) {
    if (f.FInPos > 0) --f.FInPos;
  }

  static void Open(TextFile& f, TextFile::Mode mode, const char* how) {
    if (!Ready()) return;
    if (!f.FAssigned) return IOError(102);
    if (f.FMode != TextFile::Mode::Closed) Close(f);
    std::string native = vcl::rtl::NativePath(f.FName);
    if (mode == TextFile::Mode::Input || how[0] == 'a') {
      // Both need the file to exist; a folder is not a file.
      struct stat st;
      if (::stat(native.c_str(), &st) != 0) return IOError(OpenErrorCode(native, errno));
      if (S_ISDIR(st.st_mode)) return IOError(5);
    }
    std::FILE* file = std::fopen(native.c_str(), how);
    if (!file) return IOError(OpenErrorCode(native, errno));
    f.FFile = file;
    f.FMode = mode;
    f.FIn.clear();
    f.FInPos = 0;
  }

  static void Close(TextFile& f) {
    if (f.FFile) {
      bool failed = std::fclose(f.FFile) != 0;
      f.FFile = nullptr;
      bool wasOutput = f.FMode == TextFile::Mode::Output;
      f.FMode = TextFile::Mode::Closed;
      if (failed && wasOutput) IOError(101);
    }
    f.FMode = TextFile::Mode::Closed;
  }

  static void Assign(TextFile& f, const std::string& name) {
    f.FName = name;
    f.FAssigned = true;
  }
};

TextFile::~TextFile() {
  if (FFile) std::fclose(FFile);
}

void AssignFile(TextFile& f, const std::string& fileName) {
  TextFileAccess::Assign(f, fileName);
}
void Assign(TextFile& f, const std::string& fileName) {
  TextFileAccess::Assign(f, fileName);
}
void Reset(TextFile& f) {
  TextFileAccess::Open(f, TextFile::Mode::Input, "rb");
}
void Rewrite(TextFile& f) {
  TextFileAccess::Open(f, TextFile::Mode::Output, "wb");
}
void Append(TextFile& f) {
  TextFileAccess::Open(f, TextFile::Mode::Output, "ab");
}

void CloseFile(TextFile& f) {
  if (!TextFileAccess::Ready()) return;
  if (f.GetMode() == TextFile::Mode::Closed) return IOError(103);
  TextFileAccess::Close(f);
}

bool Eof(TextFile& f) {
  if (!TextFileAccess::Input(f)) return true;
  return TextFileAccess::Peek(f) == EOF;
}

bool Eoln(TextFile& f) {
  if (!TextFileAccess::Input(f)) return true;
  int c = TextFileAccess::Peek(f);
  return c == EOF || IsLineEnd(c);
}

bool SeekEof(TextFile& f) {
  if (!TextFileAccess::Input(f)) return true;
  int c;
  while ((c = TextFileAccess::Peek(f)) != EOF && (IsBlank(c) || IsLineEnd(c))) TextFileAccess::Get(f);
  return c == EOF;
}

bool SeekEoln(TextFile& f) {
  if (!TextFileAccess::Input(f)) return true;
  int c;
  while ((c = TextFileAccess::Peek(f)) != EOF && IsBlank(c)) TextFileAccess::Get(f);
  return c == EOF || IsLineEnd(c);
}

int IOResult() {
  int r = inOutRes;
  inOutRes = 0;
  return r;
}

IOCheckingOff::IOCheckingOff() : FWasOn(ioChecking) {
  ioChecking = false;
}
IOCheckingOff::~IOCheckingOff() {
  ioChecking = FWasOn;
}

std::string InOutErrorMessage(int code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Path not found";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 102: return "File not assigned";
    case 103: return "File not open";
    case 104: return "File not open for input";
    case 105: return "File not open for output";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

namespace vcl::rtl::text {

namespace {

// No number is written with more characters than this; a longer run is read
// past without being held and then fails to convert.
constexpr std::size_t kLongestNumber = 1024;

// The characters of a number: up to the next blank, control character or end.
bool ReadToken(TextFile& f, std::string& token) {
  int c;
  while ((c = TextFileAccess::Peek(f)) != EOF && static_cast<unsigned char>(c) <= ' ') TextFileAccess::Get(f);
  if (c == EOF) return false;
  token.clear();
  bool tooLong = false;
  while ((c = TextFileAccess::Peek(f)) != EOF && static_cast<unsigned char>(c) > ' ') {
    if (token.size() < kLongestNumber)
      token += static_cast<char>(c);
    else
      tooLong = true;
    TextFileAccess::Get(f);
  }
  if (tooLong) token = "?";  // malformed, whatever its digits
  return true;
}

}  // namespace

bool ReadIntegerValue(TextFile& f, std::int64_t& value, std::int64_t min, std::int64_t max) {
  if (!TextFileAccess::Input(f)) return false;
  std::string token;
  if (!ReadToken(f, token)) {
    IOError(100);
    return false;
  }
  std::int64_t v;
  if (!TryStrToInt64(token, v) || v < min || v > max) {
    IOError(106);
    return false;
  }
  value = v;
  return true;
}

void ReadInteger(TextFile& f, std::int64_t& value, std::int64_t min, std::int64_t max) {
  ReadIntegerValue(f, value, min, max);
}

void ReadFloat(TextFile& f, double& value) {
  if (!TextFileAccess::Input(f)) return;
  std::string token;
  if (!ReadToken(f, token)) return IOError(100);
  double v;
  if (!TryStrToFloat(token, v)) return IOError(106);
  value = v;
}

void ReadChar(TextFile& f, char& c) {
  if (!TextFileAccess::Input(f)) return;
  int ch = TextFileAccess::Get(f);
  c = ch == EOF ? '\x1A' : static_cast<char>(ch);  // end of file reads as Ctrl-Z
}

void ReadString(TextFile& f, std::string& s, std::size_t limit) {
  if (!TextFileAccess::Input(f)) return;
  std::string line;
  int c;
  while (line.size() < limit && (c = TextFileAccess::Peek(f)) != EOF && !IsLineEnd(c)) {
    line += static_cast<char>(c);
    TextFileAccess::Get(f);
  }
  // A limited read keeps whole UTF-8 sequences: when the next byte continues
  // the last sequence taken, that sequence goes back unread (ReadLn skips it
  // with the rest of the line).
  if (limit != std::string::npos) {
    while (!line.empty() && (TextFileAccess::Peek(f) & 0xC0) == 0x80 && TextFileAccess::Peek(f) != EOF) {
      bool lead = (static_cast<unsigned char>(line.back()) & 0xC0) != 0x80;
      line.pop_back();
      TextFileAccess::Unget(f);
      if (lead) break;
    }
  }
  s = line;
}

void SkipLine(TextFile& f) {
  if (!TextFileAccess::Input(f)) return;
  int c;
  while ((c = TextFileAccess::Peek(f)) != EOF && !IsLineEnd(c)) TextFileAccess::Get(f);
  TextFileAccess::TakeLineEnd(f);
}

void WriteText(TextFile& f, const std::string& s) {
  if (TextFileAccess::Output(f)) TextFileAccess::Write(f, s);
}

void WriteLineEnd(TextFile& f) {
  WriteText(f, "\r\n");
}

}  // namespace vcl::rtl::text
