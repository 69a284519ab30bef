// Tests' view of the host: choosing a back end in-process, and the headless
// back end's injection and inspection calls.
//
// The headless back end is the one DRUMS_HOST=headless makes: memory
// surfaces, a virtual screen (1280x1024, work area without a 40-pixel task bar
// at the bottom), an event queue fed by tests, clipboard in memory, no cursor
// or URL ever reaching a desktop.
//
// Its audio device is driven one of two ways:
//   Pulled: nothing plays until a test calls RenderAudio; deterministic.
//   Clock:  a thread calls the callback at the real rate, as the SDL back end
//           does without a sound card.
// The default is Pulled inside the project's test programs (executables whose
// name ends in "_tests") and Clock in any other program run headless, so that
// a program started with DRUMS_HOST=headless keeps its sound timed. The
// environment variable DRUMS_HEADLESS_AUDIO ("pulled" or "clock") overrides
// that, and UseAudioDriver overrides both.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/host.h"

namespace host {

std::unique_ptr<Backend> MakeHeadlessBackend();
// The SDL back end; it connects to the desktop named by DISPLAY when made and
// throws std::runtime_error when there is none.
std::unique_ptr<Backend> MakeSdlBackend();

// Ends the current back end (as Shutdown does) and makes `backend` the one
// Get() returns. Tests only.
void UseBackendForTests(std::unique_ptr<Backend> backend);

namespace headless {

// Every call below acts on host::Get(), which must be the headless back end
// (std::logic_error otherwise). Any thread may push events.

// Queues an event for PollEvent / WaitEvent. MouseMove/Down/Up/Wheel set the
// cursor position from screenX/screenY; Moved and Resized update the window's
// bounds; FocusGained/FocusLost/Minimized/Restored its state; when popped.
void PushEvent(const Event& event);
size_t PendingEvents();

void SetScreen(const Rect& screen, const Rect& workArea);

struct WindowState {
  Rect bounds;
  std::string title;
  bool visible = false;
  bool minimized = false;
  bool popup = false;
  bool topmost = false;
  WindowId owner = 0;
};
// False when there is no such window.
bool GetWindowState(WindowId id, WindowState& state);
std::vector<WindowId> Windows();  // in creation order
WindowId FocusedWindow();  // 0: none of ours
bool AppActive();
// Focus goes to another program: FocusLost for ours, then AppDeactivated.
void FocusOtherProgram();

// What Present has put on the virtual screen: the surface's pixels inside
// every dirty rectangle presented so far, black elsewhere.
Surface PresentedImage(WindowId id);
int PresentCount(WindowId id);
std::vector<Rect> LastPresentDirty(WindowId id);

struct CursorState {
  bool custom = false;
  SystemCursor system = SystemCursor::Arrow;
  CursorId customId = 0;
  int customWidth = 0, customHeight = 0, hotX = 0, hotY = 0;
};
CursorState Cursor();
void SetCursorPos(int x, int y);
bool MouseCaptured();
bool TextInputOn();

enum class AudioDriver { Pulled, Clock };
// Applies from the next OpenAudio (and to an open device at once).
void UseAudioDriver(AudioDriver driver);
AudioDriver CurrentAudioDriver();
bool AudioOpen();
// Pulled driver: runs the callback for `frames` frames now, on this thread,
// and returns them (interleaved stereo). Empty when no device is open or the
// clock drives it.
std::vector<std::int16_t> RenderAudio(int frames);
// Pulled driver: the timing GetAudioTiming reports from now on (a period of
// 0: the one OpenAudio asked for). Unpaced by default: tests render on demand
// with the clock standing still, and the callbacks' times mean nothing.
void SetPulledAudioTiming(const AudioTiming& timing);

// Pulled driver, for tests of timing: a sound card that plays at its own
// rate and calls back late and in bunches, as on a loaded machine. While it
// lives the pulled driver reports its period and paced callbacks (make it
// before the device opens). The test drives both the kernel's clock and the
// callbacks: it moves the clock to NextCallbackMicros (counted from the
// card's start, which the test chooses) and then calls Deliver.
//
// The card plays periods of `periodFrames` out of a buffer of `buffers`
// periods (at least 2). A period's callback is due when its room in the
// buffer frees up and comes up to one period late, at random; with
// `burstChance` a callback holds off instead until the card is about to need
// it, and every callback due by then comes at once, so the bunch refills the
// whole buffer.
class JitteryDevice {
 public:
  struct Options {
    int periodFrames = 256;
    int buffers = 3;
    double ppm = 0;  // the card's rate off the format's, measured by the clock
    double burstChance = 0.05;
    unsigned seed = 1;
  };
  explicit JitteryDevice(const Options& options);
  ~JitteryDevice();
  JitteryDevice(const JitteryDevice&) = delete;
  JitteryDevice& operator=(const JitteryDevice&) = delete;

  // When the next callback comes, in microseconds from the card's start.
  std::uint64_t NextCallbackMicros() const { return next_; }
  // Runs that callback now (one period, as RenderAudio) and returns its output.
  std::vector<std::int16_t> Deliver();
  // Output frames delivered so far.
  std::int64_t Delivered() const { return callbacks_ * periodFrames_; }
  // When the card plays output frame `frame`: where a listener hears it,
  // in microseconds from the card's start.
  double PlayMicros(std::int64_t frame) const;
  // The callbacks stop for `micros` after the last one, as when the machine
  // stalls the audio thread; a card run dry plays silence meanwhile and plays
  // the frames delivered afterwards that much later.
  void Stall(std::uint64_t micros);

 private:
  void Schedule();
  double Uniform();  // [0, 1)

  const int periodFrames_;
  const int bufferFrames_;
  const double framesPerMicro_;
  const double burstChance_;
  unsigned random_;
  std::int64_t callbacks_ = 0;  // delivered
  std::uint64_t next_ = 0;
  double last_ = 0;  // when the last callback came
  double burst_ = -1;  // the running bunch's time
  double holdUntil_ = 0;  // no callback before this (a stall)
  std::vector<std::pair<std::int64_t, double>> shifts_;  // from frame on, played later by
};

// URLs OpenUrl was asked to open; none is started.
std::vector<std::string> OpenedUrls();

}  // namespace headless
}  // namespace host
