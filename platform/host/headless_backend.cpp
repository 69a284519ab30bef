#include "platform/host/headless_backend.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/host/clip_rect.h"
#include "platform/host/png_file.h"
#include "platform/host/quit_signal.h"

namespace host {
namespace {

headless::AudioDriver DefaultAudioDriver() {
  if (const char* env = std::getenv("DRUMS_HEADLESS_AUDIO")) {
    if (std::strcmp(env, "clock") == 0) return headless::AudioDriver::Clock;
    if (std::strcmp(env, "pulled") == 0) return headless::AudioDriver::Pulled;
  }
  char exe[4096];
  const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
  const std::string name = n > 0 ? std::string(exe, static_cast<size_t>(n)) : std::string();
  const std::string suffix = "_tests";
  const bool isTest =
      name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
  return isTest ? headless::AudioDriver::Pulled : headless::AudioDriver::Clock;
}

}  // namespace

HeadlessBackend::HeadlessBackend() : driver_(DefaultAudioDriver()) {}

HeadlessBackend::~HeadlessBackend() {
  CloseAudio();
  audio_.End();
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& [id, w] : windows_)
    if (w.visible) screenshots_.Final(w.params.title, SurfaceOf(w, w.pixels));
}

HeadlessBackend::Window* HeadlessBackend::Find(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

Surface HeadlessBackend::SurfaceOf(Window& w, std::vector<std::uint32_t>& pixels) {
  if (pixels.empty()) return {};
  return {pixels.data(), w.params.bounds.w, w.params.bounds.h, w.params.bounds.w};
}

void HeadlessBackend::Resize(Window& w, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const int oldW = w.params.bounds.w, oldH = w.params.bounds.h;
  if (width == oldW && height == oldH && w.pixels.size() == static_cast<size_t>(width) * height) return;
  // Keep what both sizes share, as a desktop keeps a window's pixels.
  auto remake = [&](std::vector<std::uint32_t>& old) {
    std::vector<std::uint32_t> fresh(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < std::min(oldH, height); ++y)
      for (int x = 0; x < std::min(oldW, width); ++x)
        if (static_cast<size_t>(y) * oldW + x < old.size())
          fresh[static_cast<size_t>(y) * width + x] = old[static_cast<size_t>(y) * oldW + x];
    old.swap(fresh);
  };
  remake(w.pixels);
  remake(w.shown);
  w.params.bounds.w = width;
  w.params.bounds.h = height;
}

void HeadlessBackend::Queue(Event event) {
  queue_.push_back(std::move(event));
  wakeSignal_.notify_all();
}

void HeadlessBackend::MoveFocus(WindowId to) {
  if (to == focused_) return;
  if (focused_) {
    Event lost;
    lost.type = EventType::FocusLost;
    lost.window = focused_;
    Queue(lost);
  }
  focused_ = to;
  if (to) {
    if (!appActive_) {
      appActive_ = true;
      Event app;
      app.type = EventType::AppActivated;
      app.window = to;
      Queue(app);
    }
    Event gained;
    gained.type = EventType::FocusGained;
    gained.window = to;
    Queue(gained);
  } else if (appActive_) {
    appActive_ = false;
    Event app;
    app.type = EventType::AppDeactivated;
    Queue(app);
  }
}

void HeadlessBackend::FocusAwayFrom(WindowId id) {
  if (focused_ != id) return;
  // As a desktop does: back to the owner, else to another of our windows
  // (the most recently made), else to some other program.
  auto canTake = [&](WindowId c) {
    Window* w = Find(c);
    return c != id && w && w->visible && !w->minimized && !w->params.popup;
  };
  WindowId next = 0;
  if (Window* w = Find(id); w && canTake(w->params.owner)) next = w->params.owner;
  for (auto it = windows_.rbegin(); !next && it != windows_.rend(); ++it)
    if (canTake(it->first)) next = it->first;
  MoveFocus(next);
}

WindowId HeadlessBackend::CreateWindow(const WindowParams& params) {
  std::lock_guard<std::mutex> lock(mutex_);
  const WindowId id = nextId_++;
  Window& w = windows_[id];
  w.params = params;
  const Rect want = params.bounds;
  w.params.bounds.w = w.params.bounds.h = 0;
  Resize(w, want.w, want.h);
  return id;
}

void HeadlessBackend::DestroyWindow(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!Find(id)) return;
  FocusAwayFrom(id);
  screenshots_.Forget(id);
  windows_.erase(id);
  // Events of a window that is gone would reach nobody.
  std::erase_if(queue_, [id](const Event& e) { return e.window == id; });
}

void HeadlessBackend::ShowWindow(WindowId id, bool show) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  if (!w || w->visible == show) return;
  w->visible = show;
  if (show) {
    screenshots_.Shown(id);
    if (!w->params.popup) MoveFocus(id);
  } else {
    FocusAwayFrom(id);
  }
}

void HeadlessBackend::SetBounds(WindowId id, const Rect& bounds) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (Window* w = Find(id)) {
    Resize(*w, bounds.w, bounds.h);
    w->params.bounds.x = bounds.x;
    w->params.bounds.y = bounds.y;
  }
}

Rect HeadlessBackend::GetBounds(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  return w ? w->params.bounds : Rect{};
}

void HeadlessBackend::SetTitle(WindowId id, const std::string& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (Window* w = Find(id)) w->params.title = title;
}

void HeadlessBackend::Minimize(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  if (!w || w->minimized) return;
  w->minimized = true;
  Event e;
  e.type = EventType::Minimized;
  e.window = id;
  Queue(e);
  FocusAwayFrom(id);
}

void HeadlessBackend::Restore(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  if (!w || !w->minimized) return;
  w->minimized = false;
  Event e;
  e.type = EventType::Restored;
  e.window = id;
  Queue(e);
}

void HeadlessBackend::Raise(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  if (w && w->visible && !w->minimized && !w->params.popup) MoveFocus(id);
}

void HeadlessBackend::SetHitTest(HitTestFn fn) {
  std::lock_guard<std::mutex> lock(mutex_);
  hitTest_ = std::move(fn);
}

Surface HeadlessBackend::GetSurface(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  return w ? SurfaceOf(*w, w->pixels) : Surface{};
}

void HeadlessBackend::Present(WindowId id, const std::vector<Rect>& dirty) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  if (!w) return;
  const int width = w->params.bounds.w, height = w->params.bounds.h;
  std::vector<Rect> rects = dirty.empty() ? std::vector<Rect>{{0, 0, width, height}} : dirty;
  w->lastDirty.clear();
  for (Rect r : rects) {
    if (!ClipRect(r, width, height)) continue;
    for (int y = r.y; y < r.y + r.h; ++y)
      std::copy_n(&w->pixels[static_cast<size_t>(y) * width + r.x], r.w,
                  &w->shown[static_cast<size_t>(y) * width + r.x]);
    w->lastDirty.push_back(r);
  }
  ++w->presents;
  screenshots_.Presented(id, w->params.title, SurfaceOf(*w, w->pixels));
}

bool HeadlessBackend::Screenshot(WindowId id, const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  return w && WritePng(path, SurfaceOf(*w, w->pixels));
}

void HeadlessBackend::CaptureMouse(bool capture) {
  std::lock_guard<std::mutex> lock(mutex_);
  captured_ = capture;
}

void HeadlessBackend::GetCursorPos(int& x, int& y) {
  std::lock_guard<std::mutex> lock(mutex_);
  x = cursorX_;
  y = cursorY_;
}

void HeadlessBackend::SetCursor(SystemCursor cursor) {
  std::lock_guard<std::mutex> lock(mutex_);
  cursor_ = {};
  cursor_.system = cursor;
}

CursorId HeadlessBackend::CreateCursor(const std::uint32_t* argb, int w, int h, int hotX, int hotY) {
  if (!argb || w <= 0 || h <= 0) return 0;
  std::lock_guard<std::mutex> lock(mutex_);
  const CursorId id = nextCursor_++;
  customCursors_[id] = {w, h, hotX, hotY};
  return id;
}

void HeadlessBackend::SetCustomCursor(CursorId cursor) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = customCursors_.find(cursor);
  if (it == customCursors_.end()) return;
  cursor_.custom = true;
  cursor_.customId = cursor;
  cursor_.customWidth = it->second.w;
  cursor_.customHeight = it->second.h;
  cursor_.hotX = it->second.hotX;
  cursor_.hotY = it->second.hotY;
}

void HeadlessBackend::StartTextInput(bool on) {
  std::lock_guard<std::mutex> lock(mutex_);
  textInput_ = on;
}

std::string HeadlessBackend::GetClipboardText() {
  std::lock_guard<std::mutex> lock(mutex_);
  return clipboard_;
}

void HeadlessBackend::SetClipboardText(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  clipboard_ = text;
}

Rect HeadlessBackend::ScreenBounds() {
  std::lock_guard<std::mutex> lock(mutex_);
  return screen_;
}

Rect HeadlessBackend::WorkArea() {
  std::lock_guard<std::mutex> lock(mutex_);
  return workArea_;
}

void HeadlessBackend::Apply(const Event& e) {
  Window* w = Find(e.window);
  switch (e.type) {
    case EventType::MouseMove:
    case EventType::MouseDown:
    case EventType::MouseUp:
    case EventType::MouseWheel:
      cursorX_ = e.screenX;
      cursorY_ = e.screenY;
      break;
    case EventType::Moved:
      if (w) w->params.bounds.x = e.x, w->params.bounds.y = e.y;
      break;
    case EventType::Resized:
      if (w) Resize(*w, e.w, e.h);
      break;
    case EventType::Minimized:
      if (w) w->minimized = true;
      break;
    case EventType::Restored:
      if (w) w->minimized = false;
      break;
    case EventType::FocusGained: focused_ = e.window; break;
    case EventType::FocusLost:
      if (focused_ == e.window) focused_ = 0;
      break;
    case EventType::AppActivated: appActive_ = true; break;
    case EventType::AppDeactivated: appActive_ = false; break;
    default: break;
  }
}

bool HeadlessBackend::PollEvent(Event& event) {
  if (TakeQuitSignal()) {
    event = Event{};
    event.type = EventType::Quit;
    return true;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  if (queue_.empty()) return false;
  event = std::move(queue_.front());
  queue_.pop_front();
  // Focus events the back end made itself were applied when queued.
  Apply(event);
  return true;
}

bool HeadlessBackend::WaitEvent(int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  auto ready = [this] { return !queue_.empty() || woken_ || QuitSignalPending(); };
  if (timeoutMs < 0)
    wakeSignal_.wait(lock, ready);
  else
    wakeSignal_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
  woken_ = false;
  return !queue_.empty() || QuitSignalPending();
}

void HeadlessBackend::Wake() {
  std::lock_guard<std::mutex> lock(mutex_);
  woken_ = true;
  wakeSignal_.notify_all();
}

bool HeadlessBackend::OpenAudio(const AudioFormat& format, AudioCallback callback) {
  CloseAudio();
  std::lock_guard<std::mutex> lock(audioMutex_);
  audio_.Start(format, std::move(callback));
  audioOpen_ = true;
  if (driver_ == headless::AudioDriver::Clock) clockAudio_.Start(audio_);
  return false;  // nothing is heard
}

void HeadlessBackend::CloseAudio() {
  clockAudio_.Stop();
  std::lock_guard<std::mutex> lock(audioMutex_);
  if (!audioOpen_) return;
  audioOpen_ = false;
  audio_.Stop();
}

AudioTiming HeadlessBackend::GetAudioTiming() {
  std::lock_guard<std::mutex> lock(audioMutex_);
  if (!audioOpen_) return {};
  if (driver_ == headless::AudioDriver::Clock) return ClockAudio::Timing(audio_.Format().rate);
  AudioTiming timing = pulledTiming_;
  if (timing.periodFrames <= 0) timing.periodFrames = audio_.Format().periodFrames;
  return timing;
}

bool HeadlessBackend::OpenUrl(const std::string& url) {
  std::lock_guard<std::mutex> lock(mutex_);
  urls_.push_back(url);
  return !url.empty();
}

void HeadlessBackend::Push(const Event& event) {
  std::lock_guard<std::mutex> lock(mutex_);
  Queue(event);
}

size_t HeadlessBackend::Pending() {
  std::lock_guard<std::mutex> lock(mutex_);
  return queue_.size();
}

void HeadlessBackend::SetScreen(const Rect& screen, const Rect& workArea) {
  std::lock_guard<std::mutex> lock(mutex_);
  screen_ = screen;
  workArea_ = workArea;
}

bool HeadlessBackend::State(WindowId id, headless::WindowState& state) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  if (!w) return false;
  state.bounds = w->params.bounds;
  state.title = w->params.title;
  state.visible = w->visible;
  state.minimized = w->minimized;
  state.popup = w->params.popup;
  state.topmost = w->params.topmost;
  state.owner = w->params.owner;
  return true;
}

std::vector<WindowId> HeadlessBackend::WindowList() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<WindowId> ids;
  for (auto& [id, w] : windows_) ids.push_back(id);
  return ids;
}

WindowId HeadlessBackend::Focused() {
  std::lock_guard<std::mutex> lock(mutex_);
  return focused_;
}

bool HeadlessBackend::AppActive() {
  std::lock_guard<std::mutex> lock(mutex_);
  return appActive_;
}

void HeadlessBackend::FocusOtherProgram() {
  std::lock_guard<std::mutex> lock(mutex_);
  MoveFocus(0);
}

Surface HeadlessBackend::Presented(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  return w ? SurfaceOf(*w, w->shown) : Surface{};
}

int HeadlessBackend::PresentCount(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  return w ? w->presents : 0;
}

std::vector<Rect> HeadlessBackend::LastDirty(WindowId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  Window* w = Find(id);
  return w ? w->lastDirty : std::vector<Rect>{};
}

headless::CursorState HeadlessBackend::Cursor() {
  std::lock_guard<std::mutex> lock(mutex_);
  return cursor_;
}

void HeadlessBackend::SetCursorPos(int x, int y) {
  std::lock_guard<std::mutex> lock(mutex_);
  cursorX_ = x;
  cursorY_ = y;
}

bool HeadlessBackend::Captured() {
  std::lock_guard<std::mutex> lock(mutex_);
  return captured_;
}

bool HeadlessBackend::TextInputOn() {
  std::lock_guard<std::mutex> lock(mutex_);
  return textInput_;
}

void HeadlessBackend::UseAudioDriver(headless::AudioDriver driver) {
  bool startClock = false;
  {
    std::lock_guard<std::mutex> lock(audioMutex_);
    if (driver == driver_) return;
    driver_ = driver;
    startClock = audioOpen_ && driver == headless::AudioDriver::Clock;
  }
  if (driver == headless::AudioDriver::Pulled) clockAudio_.Stop();
  if (startClock) clockAudio_.Start(audio_);
}

headless::AudioDriver HeadlessBackend::AudioDriver() {
  std::lock_guard<std::mutex> lock(audioMutex_);
  return driver_;
}

bool HeadlessBackend::AudioOpen() {
  std::lock_guard<std::mutex> lock(audioMutex_);
  return audioOpen_;
}

std::vector<std::int16_t> HeadlessBackend::RenderAudio(int frames) {
  std::lock_guard<std::mutex> lock(audioMutex_);
  if (!audioOpen_ || driver_ != headless::AudioDriver::Pulled || frames <= 0) return {};
  std::vector<std::int16_t> samples(static_cast<size_t>(frames) * audio_.Format().channels);
  audio_.Render(samples.data(), frames);
  return samples;
}

void HeadlessBackend::SetPulledTiming(const AudioTiming& timing) {
  std::lock_guard<std::mutex> lock(audioMutex_);
  pulledTiming_ = timing;
}

std::vector<std::string> HeadlessBackend::Urls() {
  std::lock_guard<std::mutex> lock(mutex_);
  return urls_;
}

}  // namespace host
