// The Windows stand-in's extension header: the few services that higher
// layers need and that have no Windows name.
//
// The header rule of the layer:
// - public: the Windows headers at platform/win/*.h (windows.h, winuser.h,
//   wingdi.h, winbase.h, mmsystem.h ...), with the Windows names;
// - extension: this header, and only what is declared here;
// - private: every header in a subfolder (platform/win/<folder>/...). Only
//   the layer itself and its own tests (tests/win) include them; the build
//   refuses them anywhere else (tools/check-includes.sh).
// Something a higher layer needs from the layer goes into the public headers
// under its Windows name, or, when it has none, here, minimally.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host.h"
#include "platform/win/windows.h"

// The one clock seam behind GetTickCount, timeGetTime, the microsecond clock
// and every timed wait, so that tests drive time by hand instead of waiting.
namespace win::clock {

// Microseconds since an arbitrary start; never goes back.
std::uint64_t NowMicros();

// Tests: from now on the clock stands still at startMicros and moves only by
// Advance. Timed waits then end when the manual clock passes their deadline.
void UseManual(std::uint64_t startMicros);
// Moves the manual clock forward and wakes every timed wait and listener.
void Advance(std::uint64_t micros);
// Back to the real monotonic clock and the real wall clock (see UseRealWall).
void UseReal();
bool IsManual();

// Tests: from now on the wall clock (GetSystemTime, GetLocalTime,
// GetSystemTimeAsFileTime and the class library's Now and Date) reads this
// instant, in microseconds since 1970-01-01 UTC, plus whatever the clock seam
// moves on afterwards. The times of files stay the file system's own.
void SetWallMicros(std::int64_t unixMicros);
// The wall clock back to the system's.
void UseRealWall();

// Called after each Advance, on the advancing thread (the window manager uses
// it to wake its message loop). Returns an id for RemoveAdvanceListener.
int AddAdvanceListener(std::function<void()> listener);
void RemoveAdvanceListener(int id);

}  // namespace win::clock

// Windows paths on the POSIX file system. Every layer turns a path from the
// programs into a file-system path with ResolvePath.
namespace win::kernel {

// The POSIX path a Windows path names. "\" and "/" both separate; a leading
// drive "C:" (any letter) stands for the root folder; "." and ".." are folded
// away. Each component that does not exist as written is matched ignoring
// (ASCII) case against the folder's entries, the first in sorted order
// winning; from the first component found in neither way on, the rest is kept
// as written, so the result also names files about to be created. A relative
// path is taken from `baseDir` (a POSIX folder), or the current directory
// when that is empty. The result has no trailing "/" except for the root.
std::string ResolvePath(std::string_view windowsPath, std::string_view baseDir = {});

// "/home/u/x" -> "C:\home\u\x"; "/" -> "C:\". A relative path only has its
// separators turned.
std::string ToWindowsPath(std::string_view posixPath);

// The current directory as a POSIX path.
std::string CurrentDir();

// Case-insensitive comparison of ASCII letters; other bytes compare exactly.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace win::kernel

// The one idle hook. The class library installs it; its main loop and every
// modal loop of the window manager (popup menus, message boxes, moving and
// sizing) call IdleThenWait whenever their queue is empty, so that work done
// at idle time keeps running while a menu or a box is open.
namespace win::user {

// The hook returns true when it is done (nothing more to do until a message
// arrives), false when it wants to run again soon.
void SetIdleHook(std::function<bool()> hook);

// Called by the idle hook while it runs, when it says it is not done but has
// nothing to do before a time of the clock seam (microseconds): the wait that
// follows may then last until that time instead of only to the next
// millisecond. A message arriving earlier still ends the wait at once.
void SetIdleWakeTime(std::uint64_t micros);

// Runs the idle hook, then waits for the next message; when the hook said it
// is not done, waits only until the next millisecond boundary of the clock
// seam, or until the time it gave SetIdleWakeTime. A message arriving earlier
// ends the wait at once. Does nothing but return when a message is already
// waiting.
void IdleThenWait();

// Where an exception goes that a window procedure threw while handling a
// message another thread sent (SendMessageA, SendNotifyMessageA across
// threads). Exceptions never cross threads: the sender is answered 0 at once,
// and the exception belongs to the window's own thread. The class library's
// application installs its exception report here for its thread.
using WndProcExceptionHandler = std::function<void(std::exception_ptr)>;

// Sets the calling thread's handler; an empty one removes it. With no
// handler the exception goes on up from the call that was taking messages
// (GetMessageA, PeekMessageA, a wait or a send of that thread).
void SetWndProcExceptionHandler(WndProcExceptionHandler handler);

}  // namespace win::user

// BMP files and packed DIBs without a device: reading every depth (bottom-up
// or top-down, RLE4 and RLE8, BI_BITFIELDS) and writing uncompressed ones.
// Readers check every size and offset against the bytes they were given and
// refuse a truncated or inconsistent file without reading outside it.
namespace win::gdi {

// A device-independent bitmap in memory.
struct DibImage {
  int width = 0;
  int height = 0;  // rows, always positive
  bool topDown = false;  // rows stored top row first
  int bitsPerPixel = 0;  // 1, 4, 8, 16, 24 or 32
  DWORD compression = BI_RGB;  // BI_RGB or BI_BITFIELDS (RLE is decoded on reading)
  DWORD masks[3] = {0, 0, 0};  // red, green, blue for BI_BITFIELDS
  std::vector<RGBQUAD> colors;  // colour table (up to 8 bits a pixel)
  std::vector<BYTE> bits;  // Stride() bytes a row, rows in storage order
  LONG xPelsPerMeter = 0;
  LONG yPelsPerMeter = 0;

  int Stride() const;
  // BITMAPINFO as bytes: the 40-byte header, the masks for BI_BITFIELDS, the
  // colour table. Pass data() to SetDIBits, StretchDIBits, CreateDIBSection...
  std::vector<BYTE> Info() const;
  // Pixel (x, y), y counted from the top, as 0x00RRGGBB.
  std::uint32_t PixelRgb(int x, int y) const;
};

// A whole BMP file ("BM", file header, info header, colour table, bits).
bool ReadBmp(const BYTE* data, std::size_t size, DibImage* out, std::string* error = nullptr);
// A packed DIB: BITMAPINFO followed directly by the bits (bitmap resources).
bool ReadPackedDib(const BYTE* data, std::size_t size, DibImage* out, std::string* error = nullptr);
// The BMP file of an image (uncompressed, with a 40-byte info header).
std::vector<BYTE> WriteBmp(const DibImage& image);

// A DIB section holding the image's pixels.
HBITMAP CreateBitmapFromDib(const DibImage& image);
// A bitmap's pixels at a depth (0: the bitmap's own; 16 and 32 are written as
// BI_RGB), bottom-up as GetDIBits gives them.
bool DibFromBitmap(HBITMAP bitmap, int bitsPerPixel, DibImage* out);

}  // namespace win::gdi

// Embedded resources: the build's generated sources register them at start-up
// by an explicit call (RegisterResources_<module>()) and take them back at
// shutdown (UnregisterResources_<module>()), which land here.
namespace win::resource {

// One embedded resource, as the generated sources list them. A type or name
// is either a number (typeName / name null) or a string.
struct Record {
  WORD typeId;
  const char* typeName;
  WORD nameId;
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

// Adds the records (kept by pointer: they are static data) to the main
// module or to a named one. Registering the same records again adds nothing
// but is counted: UnregisterModule with the same arguments takes them out
// when it matches the last registration, and does nothing for records that
// are not registered. A named module keeps its handle when it has no records.
void RegisterModule(const char* moduleName, bool mainModule, const Record* records, std::size_t count);
void UnregisterModule(const char* moduleName, bool mainModule, const Record* records, std::size_t count);

// The module registered under `moduleName` (case-insensitive, a ".dll"
// ending ignored), or null. A handle LoadLibraryA returned finds the same
// resources when the library's file name is that module's ("libshell32.so"
// for "shell32").
HINSTANCE ModuleByName(const char* moduleName);

}  // namespace win::resource

// Test seams: what tests of every layer need to drive the window manager
// without a person.
namespace win::user {

// Message boxes. Tests drive the real box: they queue keys or clicks through
// the host (or from the idle hook, which runs while the box waits) and read
// what was answered. Program runs that must never block set an automatic
// answer, in code or with DRUMS_MESSAGEBOX=default in the environment, which
// answers every box with its default button at once.
struct MessageBoxRecord {
  std::string text;
  std::string caption;
  UINT type = 0;
  int result = 0;
  bool automatic = false;  // answered without showing
};

// The function answers a box before it is shown; 0 shows it as usual.
// An empty function removes the automatic answer.
void SetMessageBoxAnswer(std::function<int(const MessageBoxRecord&)> answer);
// Every box answered since the last call, oldest first.
std::vector<MessageBoxRecord> TakeMessageBoxRecords();
// The box on screen now, or nullptr.
HWND CurrentMessageBox();
// The default button's answer for a box type (what Enter gives).
int DefaultAnswer(UINT type);

// Volumes arriving and going. The window manager watches the mount table and
// sends WM_DEVICECHANGE (DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE, with
// a DEV_BROADCAST_VOLUME) to every top-level window when a volume is mounted
// or unmounted; these announce one as if that had happened, without touching
// the mount table, so that tests can drive what reacts to volumes.
void AnnounceVolumeArrival(const std::string& mountPoint);
void AnnounceVolumeRemoval(const std::string& mountPoint);
// The mount points "My Computer" shows, in its order ("/" first).
std::vector<std::string> MountedVolumePaths();

// The desktop window that shows a window's top-level window (where tests
// inject input through the headless host), or 0.
host::WindowId HostWindowOf(HWND hwnd);

// The MessageBeep types since the last call (MessageBeep makes no sound here).
std::vector<UINT> TakeBeeps();

}  // namespace win::user

// File versions: which files have a version block, and which version it
// holds. The system's own libraries answer with fixed versions
// ("comctl32.dll" 5.81); tests replace or remove an answer to see how callers
// cope.
namespace win::version {

// The version "fileName" (matched by its last path component, ignoring
// case) answers from now on: most and least significant words.
void SetFileVersion(const std::string& fileName, DWORD mostSignificant, DWORD leastSignificant);
// The file then has no version block.
void RemoveFileVersion(const std::string& fileName);
// Back to the system's own answers.
void ResetFileVersions();

}  // namespace win::version

// The desktop's opener, which ShellExecuteA hands links and documents to as
// one argument. Tests of every layer replace the launcher to record the
// command line instead of starting a program.
namespace win::shell {

// Gets the whole command line (the opener first); answers whether the
// program could be started.
using Launcher = std::function<bool(const std::vector<std::string>& argv)>;
// Null restores the real launcher.
void SetLauncher(Launcher launcher);

// One ShellExecuteA call as its caller made it (null strings as empty ones).
struct ExecuteCall {
  HWND owner = nullptr;
  std::string verb, file, parameters, folder;
  INT show = 0;
};
// Tests: answers every ShellExecuteA call in the shell's place with the
// result it returns (above 32 success, else an error code); nothing is
// opened. Null gives the calls back to the shell.
using ExecuteHook = std::function<INT_PTR(const ExecuteCall& call)>;
void SetExecuteHook(ExecuteHook hook);

}  // namespace win::shell
