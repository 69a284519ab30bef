// The SDL2 back end: the real desktop (X11 or Wayland through SDL).
#pragma once

#include <atomic>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/host/audio_output.h"
#include "platform/host/host.h"
#include "platform/host/screenshots.h"
#include "platform/host/wake_signal.h"
#include "platform/host/x11_connection.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace host {

class SdlBackend final : public Backend {
 public:
  SdlBackend();  // throws std::runtime_error without a desktop
  ~SdlBackend() override;
  const char* Name() const override { return "sdl"; }

  WindowId CreateWindow(const WindowParams& params) override;
  void DestroyWindow(WindowId id) override;
  void ShowWindow(WindowId id, bool show) override;
  void SetBounds(WindowId id, const Rect& bounds) override;
  Rect GetBounds(WindowId id) override;
  void SetTitle(WindowId id, const std::string& title) override;
  void Minimize(WindowId id) override;
  void Restore(WindowId id) override;
  void Raise(WindowId id) override;
  void SetHitTest(HitTestFn fn) override;
  Surface GetSurface(WindowId id) override;
  void Present(WindowId id, const std::vector<Rect>& dirty) override;
  bool Screenshot(WindowId id, const std::string& path) override;

  void CaptureMouse(bool capture) override;
  void GetCursorPos(int& x, int& y) override;
  void SetCursor(SystemCursor cursor) override;
  CursorId CreateCursor(const std::uint32_t* argb, int w, int h, int hotX, int hotY) override;
  void SetCustomCursor(CursorId cursor) override;
  void StartTextInput(bool on) override;

  std::string GetClipboardText() override;
  void SetClipboardText(const std::string& text) override;

  Rect ScreenBounds() override;
  Rect WorkArea() override;

  bool PollEvent(Event& event) override;
  bool WaitEvent(int timeoutMs) override;
  void Wake() override;

  bool OpenAudio(const AudioFormat& format, AudioCallback callback) override;
  void CloseAudio() override;
  AudioTiming GetAudioTiming() override;
  bool OpenUrl(const std::string& url) override;

  // What the window manager above says lies under a point of a window.
  HitArea HitTestAt(WindowId id, int x, int y) { return hitTest_ ? hitTest_(id, x, y) : HitArea::Client; }

  // Tests: called each time WaitEvent is about to sleep on the X connection
  // and the wake signal, so that a test counts the sleeps of a wait and can
  // make something happen during one. Not called on SDL's own wait (other
  // video drivers than X11).
  void SetBeforeSleep(std::function<void()> hook) { beforeSleep_ = std::move(hook); }

 private:
  struct Window {
    SDL_Window* sdl = nullptr;
    std::vector<std::uint32_t> pixels;  // ours: stable, 0x00RRGGBB whatever the display's format
    int width = 0, height = 0;
    std::string title;
    bool popup = false;
    bool visible = false;
    int setX = 0, setY = 0;  // last position we asked for, to tell our moves from the desktop's
  };

  Window* Find(WindowId id);
  void FitPixels(Window& w);
  void Translate(const SDL_Event& e);
  void CheckDeactivation();
  void TakeSdlEvents(bool read);
  bool WaitOnConnection(int timeoutMs);
  bool WaitInSdl(int timeoutMs);
  std::uint32_t ModifierBits();
  static void AudioThunk(void* self, unsigned char* stream, int len);

  std::map<WindowId, Window> windows_;
  std::deque<Event> pending_;
  // On X11 the wait sleeps in poll(2) on the X connection and wake_; on
  // other drivers (connection closed) in SDL's own wait, woken by wakeEvent_.
  X11Connection connection_;
  WakeSignal wake_;
  std::uint32_t wakeEvent_ = 0;
  std::function<void()> beforeSleep_;
  bool textInput_ = false;
  std::uint64_t lastPump_ = 0;  // MonotonicMicros of SDL's last pump
  std::uint64_t lastRead_ = 0;  // ... of the last time all the server sent was known
  HitTestFn hitTest_;
  ScreenshotRecorder screenshots_;

  bool appActive_ = false;
  std::uint64_t deactivateAt_ = 0;  // a focus loss waiting to see whether another of our windows takes it
  bool dropping_ = false;
  WindowId dropWindow_ = 0;
  std::vector<std::string> dropPaths_;

  std::map<int, SDL_Cursor*> systemCursors_;
  std::map<CursorId, SDL_Cursor*> customCursors_;
  CursorId nextCursor_ = 1;

  AudioOutput audio_;
  ClockAudio clockAudio_;
  std::uint32_t audioDevice_ = 0;
  std::atomic<int> audioPeriod_{0};  // frames per callback as granted; 0: closed
  std::atomic<bool> audioPaced_{false};
  bool audioSubsystem_ = false;
};

}  // namespace host
