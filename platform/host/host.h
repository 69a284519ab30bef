// The desktop, behind one small interface.
//
// This is the only layer that touches the real desktop. Two back ends stand
// behind it: SDL2 for real use and a headless one (memory surfaces, injected
// input, audio rendered on demand) for tests and screenshots. DRUMS_HOST picks
// one ("sdl", the default, or "headless"). Everything above this layer sees
// the same behaviour from both.
//
// Threads: every call except Wake(), the audio callback and the clock functions
// belongs to the one user-interface thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace host {

using WindowId = std::uint32_t;  // 0 is never a window

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// A window's pixels: 32 bits a pixel, 0x00RRGGBB in a uint32_t (blue in the
// lowest byte), rows top-down, `stride` pixels from one row to the next.
// The surface is valid until the window is resized or destroyed.
struct Surface {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

// What part of a borderless window lies under a point: the window manager
// above answers, and the host lets the desktop move or size the window.
enum class HitArea {
  Client,  // ordinary input
  Caption,  // drags the window
  Left,
  Right,
  Top,
  Bottom,
  TopLeft,
  TopRight,
  BottomLeft,
  BottomRight,
};
using HitTestFn = std::function<HitArea(WindowId, int x, int y)>;

// Modifier bits of input events.
enum Modifier : std::uint32_t {
  ModShift = 1,
  ModCtrl = 2,
  ModAlt = 4,
  ButtonLeft = 0x10,
  ButtonRight = 0x20,
  ButtonMiddle = 0x40,  // buttons held
};

enum class MouseButton { Left = 1, Right = 2, Middle = 3 };

enum class EventType {
  MouseMove,  // x, y (window client), screenX, screenY, modifiers
  MouseDown,  // + button, clicks (1 single, 2 double as the desktop counts)
  MouseUp,  // + button
  MouseWheel,  // + wheel: +120 per notch away from the user
  MouseLeave,  // the pointer left the window
  KeyDown,  // key: a Windows virtual-key number; repeat; modifiers
  KeyUp,  // key
  TextInput,  // text: UTF-8 typed by the user
  FocusGained,  // the window got the keyboard focus
  FocusLost,
  CloseRequested,  // the desktop asks the window to close
  Exposed,  // the desktop lost the window's pixels: present it again
  Moved,  // x, y: the window's new top-left on the screen
  Resized,  // w, h: the window's new size (the desktop sized it)
  Minimized,
  Restored,
  FileDrop,  // paths: files dropped from another program; x, y where
  AppActivated,  // the application as a whole gained the focus
  AppDeactivated,  // ... lost it to another program
  DisplayChanged,  // screen size, work area or volumes changed
  Quit,  // the desktop asks the whole program to end
};

struct Event {
  EventType type = EventType::MouseMove;
  WindowId window = 0;
  int x = 0, y = 0;  // window client coordinates
  int screenX = 0, screenY = 0;  // screen coordinates
  int w = 0, h = 0;
  MouseButton button = MouseButton::Left;
  int clicks = 1;
  int wheel = 0;
  int key = 0;
  bool repeat = false;
  std::uint32_t modifiers = 0;
  std::string text;
  std::vector<std::string> paths;
};

struct WindowParams {
  Rect bounds;  // on the screen
  std::string title;
  bool popup = false;  // menus, drop-down lists: no taskbar entry, no focus taken
  bool topmost = false;
  WindowId owner = 0;  // stays above its owner
};

enum class SystemCursor {
  Arrow,
  IBeam,
  Wait,
  Cross,
  UpArrow,
  SizeNWSE,
  SizeNESW,
  SizeWE,
  SizeNS,
  SizeAll,
  No,
  Hand,
  AppStarting
};
using CursorId = std::uint32_t;  // 0: none made yet

// Audio: 44,100 Hz, 16-bit, stereo interleaved. The callback runs on the audio
// thread and must fill all `frames` frames.
struct AudioFormat {
  int rate = 44100;
  int channels = 2;
  // Frames each callback is asked to fill: short periods answer a click
  // sooner. The device may grant another count (see AudioTiming).
  int periodFrames = 256;
};
// How the open audio device calls back.
struct AudioTiming {
  int periodFrames = 0;  // frames per callback, as granted; 0 while no device is open
  // True when the callbacks come as the device plays, so that their clock
  // times tell the device's pace; false for audio rendered on demand (the
  // headless back end's pulled audio, unless a test paces it).
  bool paced = false;
};
using AudioCallback = std::function<void(std::int16_t* samples, int frames)>;

class Backend {
 public:
  virtual ~Backend() = default;
  virtual const char* Name() const = 0;

  // Windows.
  virtual WindowId CreateWindow(const WindowParams& params) = 0;
  virtual void DestroyWindow(WindowId id) = 0;
  virtual void ShowWindow(WindowId id, bool show) = 0;
  virtual void SetBounds(WindowId id, const Rect& bounds) = 0;  // resizes the surface
  virtual Rect GetBounds(WindowId id) = 0;
  virtual void SetTitle(WindowId id, const std::string& title) = 0;
  virtual void Minimize(WindowId id) = 0;
  virtual void Restore(WindowId id) = 0;
  virtual void Raise(WindowId id) = 0;  // to the top and take the focus
  virtual void SetHitTest(HitTestFn fn) = 0;  // one callback for all windows
  virtual Surface GetSurface(WindowId id) = 0;
  // Shows the changed rectangles of the surface on the desktop.
  // An empty list shows the whole surface; rectangles are clipped to it.
  virtual void Present(WindowId id, const std::vector<Rect>& dirty) = 0;
  // Saves the window's surface as a PNG file; false when it could not.
  virtual bool Screenshot(WindowId id, const std::string& path) = 0;

  // Mouse and cursor.
  virtual void CaptureMouse(bool capture) = 0;  // keep getting mouse events outside
  virtual void GetCursorPos(int& x, int& y) = 0;  // screen coordinates
  virtual void SetCursor(SystemCursor cursor) = 0;
  // A custom cursor from 32-bit pixels (0xAARRGGBB, top-down) and its hot spot.
  virtual CursorId CreateCursor(const std::uint32_t* argb, int w, int h, int hotX, int hotY) = 0;
  virtual void SetCustomCursor(CursorId cursor) = 0;
  virtual void StartTextInput(bool on) = 0;

  // Clipboard text (UTF-8).
  virtual std::string GetClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;

  // Screen.
  virtual Rect ScreenBounds() = 0;
  virtual Rect WorkArea() = 0;

  // Events. PollEvent takes one pending event without waiting. WaitEvent
  // waits at most timeoutMs (-1: no limit) for an event or a Wake(); true
  // when an event is ready for PollEvent. A Wake() before the wait is kept.
  virtual bool PollEvent(Event& event) = 0;
  virtual bool WaitEvent(int timeoutMs) = 0;
  // Ends a WaitEvent early; safe from any thread.
  virtual void Wake() = 0;

  // Audio. OpenAudio starts pulling the callback; true when a real device
  // plays it. Without a device the host drives the callback from the clock,
  // playing nothing, and says so once on standard error.
  virtual bool OpenAudio(const AudioFormat& format, AudioCallback callback) = 0;
  virtual void CloseAudio() = 0;
  // The period the open device granted and whether it paces its callbacks;
  // any thread, once OpenAudio has returned.
  virtual AudioTiming GetAudioTiming() = 0;

  // Opens a web or mail link with the desktop's handler (never through a shell).
  virtual bool OpenUrl(const std::string& url) = 0;
};

// The back end chosen by DRUMS_HOST, made on first use.
Backend& Get();
// Ends the back end: saves the DRUMS_SCREENSHOTS pictures of the windows still
// open and closes the desktop connection.
void Shutdown();

// The desktop's monotonic clock; any thread. The kernel's clock seam reads it.
std::uint64_t MonotonicMicros();

}  // namespace host
