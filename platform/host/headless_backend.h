// The headless back end: memory surfaces, a virtual screen and an event queue
// that tests feed (see headless.h for the calls they use).
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "platform/host/audio_output.h"
#include "platform/host/headless.h"
#include "platform/host/host.h"
#include "platform/host/screenshots.h"

namespace host {

class HeadlessBackend final : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;
  const char* Name() const override { return "headless"; }

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

  // headless.h
  void Push(const Event& event);
  size_t Pending();
  void SetScreen(const Rect& screen, const Rect& workArea);
  bool State(WindowId id, headless::WindowState& state);
  std::vector<WindowId> WindowList();
  WindowId Focused();
  bool AppActive();
  void FocusOtherProgram();
  Surface Presented(WindowId id);
  int PresentCount(WindowId id);
  std::vector<Rect> LastDirty(WindowId id);
  headless::CursorState Cursor();
  void SetCursorPos(int x, int y);
  bool Captured();
  bool TextInputOn();
  void UseAudioDriver(headless::AudioDriver driver);
  headless::AudioDriver AudioDriver();
  bool AudioOpen();
  std::vector<std::int16_t> RenderAudio(int frames);
  void SetPulledTiming(const AudioTiming& timing);
  std::vector<std::string> Urls();

 private:
  struct Window {
    WindowParams params;
    bool visible = false;
    bool minimized = false;
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint32_t> shown;  // what Present put on the virtual screen
    int presents = 0;
    std::vector<Rect> lastDirty;
  };
  struct CustomCursor {
    int w = 0, h = 0, hotX = 0, hotY = 0;
  };

  Window* Find(WindowId id);
  static Surface SurfaceOf(Window& w, std::vector<std::uint32_t>& pixels);
  void Resize(Window& w, int width, int height);
  void Queue(Event event);  // mutex held
  void MoveFocus(WindowId to);  // mutex held
  void FocusAwayFrom(WindowId id);  // mutex held
  void Apply(const Event& event);  // mutex held

  std::mutex mutex_;
  std::condition_variable wakeSignal_;
  std::deque<Event> queue_;
  bool woken_ = false;

  std::map<WindowId, Window> windows_;
  WindowId nextId_ = 1;
  WindowId focused_ = 0;
  bool appActive_ = false;
  HitTestFn hitTest_;
  ScreenshotRecorder screenshots_;

  Rect screen_{0, 0, 1280, 1024};
  Rect workArea_{0, 0, 1280, 1024 - 40};
  int cursorX_ = 0, cursorY_ = 0;
  bool captured_ = false;
  bool textInput_ = false;
  headless::CursorState cursor_;
  std::map<CursorId, CustomCursor> customCursors_;
  CursorId nextCursor_ = 1;
  std::string clipboard_;
  std::vector<std::string> urls_;

  std::mutex audioMutex_;
  AudioOutput audio_;
  ClockAudio clockAudio_;
  headless::AudioDriver driver_;
  bool audioOpen_ = false;
  AudioTiming pulledTiming_;  // a period of 0: the one asked for
};

}  // namespace host
