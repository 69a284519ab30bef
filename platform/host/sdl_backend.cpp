#include "platform/host/sdl_backend.h"

#include <SDL.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/host/clip_rect.h"
#include "platform/host/headless.h"
#include "platform/host/launch.h"
#include "platform/host/png_file.h"
#include "platform/host/quit_signal.h"
#include "platform/host/sdl_keys.h"
#include "platform/host/x11_connection.h"

namespace host {
namespace {

// How long a focus loss waits for another of our windows to take the focus
// before the application counts as deactivated: X delivers the two halves of
// a focus move between our windows as separate events.
constexpr std::uint64_t kDeactivateGraceMicros = 100000;

// How long PollEvent takes SDL's queue as it is before it reads from the X
// server again: the window manager polls many times in one turn of its loop.
constexpr std::uint64_t kReadEveryMicros = 1000;
// SDL's pump also does timed work of its own (keeping the screen saver off,
// focus and flash timers): a wait pumps at least this often even when the
// server has sent nothing.
constexpr std::uint64_t kPumpEveryMicros = 100000;

SDL_HitTestResult ToSdl(HitArea area) {
  switch (area) {
    case HitArea::Client: return SDL_HITTEST_NORMAL;
    case HitArea::Caption: return SDL_HITTEST_DRAGGABLE;
    case HitArea::Left: return SDL_HITTEST_RESIZE_LEFT;
    case HitArea::Right: return SDL_HITTEST_RESIZE_RIGHT;
    case HitArea::Top: return SDL_HITTEST_RESIZE_TOP;
    case HitArea::Bottom: return SDL_HITTEST_RESIZE_BOTTOM;
    case HitArea::TopLeft: return SDL_HITTEST_RESIZE_TOPLEFT;
    case HitArea::TopRight: return SDL_HITTEST_RESIZE_TOPRIGHT;
    case HitArea::BottomLeft: return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case HitArea::BottomRight: return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
  }
  return SDL_HITTEST_NORMAL;
}

SDL_SystemCursor ToSdl(SystemCursor c) {
  switch (c) {
    case SystemCursor::Arrow: return SDL_SYSTEM_CURSOR_ARROW;
    case SystemCursor::IBeam: return SDL_SYSTEM_CURSOR_IBEAM;
    case SystemCursor::Wait: return SDL_SYSTEM_CURSOR_WAIT;
    case SystemCursor::Cross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case SystemCursor::UpArrow: return SDL_SYSTEM_CURSOR_ARROW;  // the desktop has no up arrow
    case SystemCursor::SizeNWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case SystemCursor::SizeNESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case SystemCursor::SizeWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case SystemCursor::SizeNS: return SDL_SYSTEM_CURSOR_SIZENS;
    case SystemCursor::SizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case SystemCursor::No: return SDL_SYSTEM_CURSOR_NO;
    case SystemCursor::Hand: return SDL_SYSTEM_CURSOR_HAND;
    case SystemCursor::AppStarting: return SDL_SYSTEM_CURSOR_WAITARROW;
  }
  return SDL_SYSTEM_CURSOR_ARROW;
}

std::uint32_t KeyModifiers(std::uint16_t mod) {
  std::uint32_t bits = 0;
  if (mod & KMOD_SHIFT) bits |= ModShift;
  if (mod & KMOD_CTRL) bits |= ModCtrl;
  if (mod & KMOD_ALT) bits |= ModAlt;
  return bits;
}

std::uint32_t ButtonModifiers(std::uint32_t state) {
  std::uint32_t bits = 0;
  if (state & SDL_BUTTON_LMASK) bits |= ButtonLeft;
  if (state & SDL_BUTTON_RMASK) bits |= ButtonRight;
  if (state & SDL_BUTTON_MMASK) bits |= ButtonMiddle;
  return bits;
}

SDL_HitTestResult HitTestThunk(SDL_Window* win, const SDL_Point* point, void* backend) {
  return ToSdl(static_cast<SdlBackend*>(backend)->HitTestAt(SDL_GetWindowID(win), point->x, point->y));
}

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend() {
  return std::make_unique<SdlBackend>();
}

SdlBackend::SdlBackend() {
  // The window manager above draws every frame itself and wants a click
  // that activates a window to reach it as well.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Window surfaces go to the server as plain images (shared memory where
  // it can), never through GL: same pixels everywhere, no GPU needed.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // SIGINT and SIGTERM are the host's own quit request (quit_signal.h).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
    throw std::runtime_error(std::string("no desktop to show windows on (SDL: ") + SDL_GetError() + ")");
  connection_.Connect();
  wakeEvent_ = SDL_RegisterEvents(1);
  SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
  SDL_EventState(SDL_DROPBEGIN, SDL_ENABLE);
  SDL_EventState(SDL_DROPCOMPLETE, SDL_ENABLE);
  SDL_StopTextInput();  // on only while an edit control has the focus
}

SdlBackend::~SdlBackend() {
  for (auto& [id, w] : windows_)
    if (w.visible) screenshots_.Final(w.title, {w.pixels.data(), w.width, w.height, w.width});
  CloseAudio();
  audio_.End();
  for (auto& [id, w] : windows_) SDL_DestroyWindow(w.sdl);
  windows_.clear();
  SDL_SetCursor(SDL_GetDefaultCursor());
  for (auto& [k, c] : systemCursors_) SDL_FreeCursor(c);
  for (auto& [k, c] : customCursors_) SDL_FreeCursor(c);
  if (audioSubsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  SDL_Quit();
}

SdlBackend::Window* SdlBackend::Find(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

void SdlBackend::FitPixels(Window& w) {
  int width = 0, height = 0;
  SDL_GetWindowSize(w.sdl, &width, &height);
  if (width == w.width && height == w.height) return;
  std::vector<std::uint32_t> fresh(static_cast<size_t>(width) * height, 0);
  for (int y = 0; y < std::min(height, w.height); ++y)
    std::copy_n(&w.pixels[static_cast<size_t>(y) * w.width], std::min(width, w.width),
                &fresh[static_cast<size_t>(y) * width]);
  w.pixels.swap(fresh);
  w.width = width;
  w.height = height;
}

WindowId SdlBackend::CreateWindow(const WindowParams& params) {
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
  if (params.popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  if (params.topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  SDL_Window* sdl = SDL_CreateWindow(params.title.c_str(), params.bounds.x, params.bounds.y,
                                     std::max(params.bounds.w, 1), std::max(params.bounds.h, 1), flags);
  if (!sdl) return 0;
  const WindowId id = SDL_GetWindowID(sdl);
  Window& w = windows_[id];
  w.sdl = sdl;
  w.title = params.title;
  w.popup = params.popup;
  w.setX = params.bounds.x;
  w.setY = params.bounds.y;
  FitPixels(w);
  if (Window* owner = Find(params.owner)) SDL_SetWindowModalFor(sdl, owner->sdl);  // stays above its owner
  if (!params.popup) SDL_SetWindowHitTest(sdl, &HitTestThunk, this);
  return id;
}

void SdlBackend::DestroyWindow(WindowId id) {
  Window* w = Find(id);
  if (!w) return;
  screenshots_.Forget(id);
  SDL_DestroyWindow(w->sdl);
  windows_.erase(id);
  std::erase_if(pending_, [id](const Event& e) { return e.window == id; });
}

void SdlBackend::ShowWindow(WindowId id, bool show) {
  Window* w = Find(id);
  if (!w || w->visible == show) return;
  w->visible = show;
  if (!show) {
    SDL_HideWindow(w->sdl);
    return;
  }
  // A menu or drop-down list must leave the focus where it is.
  SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, w->popup ? "1" : "0");
  SDL_ShowWindow(w->sdl);
  SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "0");
  screenshots_.Shown(id);
}

void SdlBackend::SetBounds(WindowId id, const Rect& b) {
  Window* w = Find(id);
  if (!w) return;
  w->setX = b.x;
  w->setY = b.y;
  SDL_SetWindowPosition(w->sdl, b.x, b.y);
  SDL_SetWindowSize(w->sdl, std::max(b.w, 1), std::max(b.h, 1));
  FitPixels(*w);
}

Rect SdlBackend::GetBounds(WindowId id) {
  Window* w = Find(id);
  if (!w) return {};
  Rect r;
  SDL_GetWindowPosition(w->sdl, &r.x, &r.y);
  SDL_GetWindowSize(w->sdl, &r.w, &r.h);
  return r;
}

void SdlBackend::SetTitle(WindowId id, const std::string& title) {
  if (Window* w = Find(id)) {
    w->title = title;
    SDL_SetWindowTitle(w->sdl, title.c_str());
  }
}

void SdlBackend::Minimize(WindowId id) {
  if (Window* w = Find(id)) SDL_MinimizeWindow(w->sdl);
}

void SdlBackend::Restore(WindowId id) {
  if (Window* w = Find(id)) SDL_RestoreWindow(w->sdl);
}

void SdlBackend::Raise(WindowId id) {
  if (Window* w = Find(id)) SDL_RaiseWindow(w->sdl);
}

void SdlBackend::SetHitTest(HitTestFn fn) {
  hitTest_ = std::move(fn);
}

Surface SdlBackend::GetSurface(WindowId id) {
  Window* w = Find(id);
  if (!w) return {};
  FitPixels(*w);
  return {w->pixels.data(), w->width, w->height, w->width};
}

// Presenting copies the dirty rectangles from our buffer into SDL's window
// surface and updates just those (SDL_UpdateWindowSurfaceRects). That path
// needs no GPU or GL (it works on Xvfb and over remote X), sends only the
// changed pixels, and converts to whatever format the display has.
void SdlBackend::Present(WindowId id, const std::vector<Rect>& dirty) {
  Window* w = Find(id);
  if (!w || w->pixels.empty()) return;
  SDL_Surface* target = SDL_GetWindowSurface(w->sdl);
  if (!target) return;
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(w->pixels.data(), w->width, w->height, 32, w->width * 4,
                                                           SDL_PIXELFORMAT_RGB888);
  if (!source) return;
  SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
  std::vector<SDL_Rect> rects;
  const std::vector<Rect> all = dirty.empty() ? std::vector<Rect>{{0, 0, w->width, w->height}} : dirty;
  for (Rect r : all) {
    if (!ClipRect(r, std::min(w->width, target->w), std::min(w->height, target->h))) continue;
    SDL_Rect s{r.x, r.y, r.w, r.h};
    SDL_Rect d = s;
    SDL_BlitSurface(source, &s, target, &d);
    rects.push_back(s);
  }
  SDL_FreeSurface(source);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(w->sdl, rects.data(), static_cast<int>(rects.size()));
  screenshots_.Presented(id, w->title, {w->pixels.data(), w->width, w->height, w->width});
}

bool SdlBackend::Screenshot(WindowId id, const std::string& path) {
  Window* w = Find(id);
  return w && WritePng(path, {w->pixels.data(), w->width, w->height, w->width});
}

void SdlBackend::CaptureMouse(bool capture) {
  SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
}

void SdlBackend::GetCursorPos(int& x, int& y) {
  SDL_GetGlobalMouseState(&x, &y);
}

void SdlBackend::SetCursor(SystemCursor cursor) {
  const int key = static_cast<int>(cursor);
  SDL_Cursor*& c = systemCursors_[key];
  if (!c) c = SDL_CreateSystemCursor(ToSdl(cursor));
  if (c) SDL_SetCursor(c);
}

CursorId SdlBackend::CreateCursor(const std::uint32_t* argb, int w, int h, int hotX, int hotY) {
  if (!argb || w <= 0 || h <= 0) return 0;
  SDL_Surface* s =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(argb), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!s) return 0;
  SDL_Cursor* c = SDL_CreateColorCursor(s, hotX, hotY);
  SDL_FreeSurface(s);
  if (!c) return 0;
  const CursorId id = nextCursor_++;
  customCursors_[id] = c;
  return id;
}

void SdlBackend::SetCustomCursor(CursorId cursor) {
  auto it = customCursors_.find(cursor);
  if (it != customCursors_.end()) SDL_SetCursor(it->second);
}

void SdlBackend::StartTextInput(bool on) {
  textInput_ = on;
  if (on)
    SDL_StartTextInput();
  else
    SDL_StopTextInput();
}

std::string SdlBackend::GetClipboardText() {
  char* text = SDL_GetClipboardText();
  std::string out = text ? text : "";
  SDL_free(text);
  return out;
}

void SdlBackend::SetClipboardText(const std::string& text) {
  SDL_SetClipboardText(text.c_str());
}

Rect SdlBackend::ScreenBounds() {
  SDL_Rect r{0, 0, 0, 0};
  SDL_GetDisplayBounds(0, &r);
  return {r.x, r.y, r.w, r.h};
}

Rect SdlBackend::WorkArea() {
  SDL_Rect r{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(0, &r) != 0) return ScreenBounds();
  return {r.x, r.y, r.w, r.h};
}

std::uint32_t SdlBackend::ModifierBits() {
  return KeyModifiers(static_cast<std::uint16_t>(SDL_GetModState())) |
         ButtonModifiers(SDL_GetMouseState(nullptr, nullptr));
}

void SdlBackend::Translate(const SDL_Event& e) {
  Event out;
  auto screenOf = [&](WindowId id, int x, int y) {
    int wx = 0, wy = 0;
    if (Window* w = Find(id)) SDL_GetWindowPosition(w->sdl, &wx, &wy);
    out.screenX = wx + x;
    out.screenY = wy + y;
  };
  switch (e.type) {
    case SDL_QUIT: out.type = EventType::Quit; break;
    case SDL_WINDOWEVENT: {
      out.window = e.window.windowID;
      Window* w = Find(out.window);
      if (!w) return;
      switch (e.window.event) {
        case SDL_WINDOWEVENT_EXPOSED: out.type = EventType::Exposed; break;
        case SDL_WINDOWEVENT_MOVED:
          if (e.window.data1 == w->setX && e.window.data2 == w->setY) return;  // our own move
          w->setX = e.window.data1;
          w->setY = e.window.data2;
          out.type = EventType::Moved;
          out.x = e.window.data1;
          out.y = e.window.data2;
          break;
        case SDL_WINDOWEVENT_RESIZED:
          if (e.window.data1 == w->width && e.window.data2 == w->height) return;  // our own size
          out.type = EventType::Resized;
          out.w = e.window.data1;
          out.h = e.window.data2;
          break;
        case SDL_WINDOWEVENT_MINIMIZED: out.type = EventType::Minimized; break;
        case SDL_WINDOWEVENT_RESTORED: out.type = EventType::Restored; break;
        case SDL_WINDOWEVENT_LEAVE: out.type = EventType::MouseLeave; break;
        case SDL_WINDOWEVENT_CLOSE: out.type = EventType::CloseRequested; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          deactivateAt_ = 0;
          if (!appActive_) {
            appActive_ = true;
            Event app;
            app.type = EventType::AppActivated;
            app.window = out.window;
            pending_.push_back(app);
          }
          out.type = EventType::FocusGained;
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          deactivateAt_ = MonotonicMicros() + kDeactivateGraceMicros;
          out.type = EventType::FocusLost;
          break;
        default: return;
      }
      break;
    }
    case SDL_MOUSEMOTION:
      out.type = EventType::MouseMove;
      out.window = e.motion.windowID;
      out.x = e.motion.x;
      out.y = e.motion.y;
      screenOf(out.window, out.x, out.y);
      out.modifiers = KeyModifiers(static_cast<std::uint16_t>(SDL_GetModState())) | ButtonModifiers(e.motion.state);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out.type = e.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
      out.window = e.button.windowID;
      if (e.button.button == SDL_BUTTON_LEFT)
        out.button = MouseButton::Left;
      else if (e.button.button == SDL_BUTTON_RIGHT)
        out.button = MouseButton::Right;
      else if (e.button.button == SDL_BUTTON_MIDDLE)
        out.button = MouseButton::Middle;
      else
        return;
      // A third click starts a new pair, as Windows counts them.
      out.clicks = e.button.clicks % 2 == 0 ? 2 : 1;
      out.x = e.button.x;
      out.y = e.button.y;
      screenOf(out.window, out.x, out.y);
      out.modifiers = ModifierBits();
      break;
    case SDL_MOUSEWHEEL: {
      int notches = e.wheel.y;
      if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      if (notches == 0) return;
      out.type = EventType::MouseWheel;
      out.window = e.wheel.windowID;
      out.wheel = notches * 120;
      out.x = e.wheel.mouseX;
      out.y = e.wheel.mouseY;
      screenOf(out.window, out.x, out.y);
      out.modifiers = ModifierBits();
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      out.type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
      out.window = e.key.windowID;
      out.key = VirtualKeyFromSdl(e.key.keysym.sym, (e.key.keysym.mod & KMOD_NUM) != 0);
      if (!out.key) return;
      out.repeat = e.key.repeat != 0;
      out.modifiers = KeyModifiers(e.key.keysym.mod);
      break;
    case SDL_TEXTINPUT:
      out.type = EventType::TextInput;
      out.window = e.text.windowID;
      out.text = e.text.text;
      break;
    case SDL_DROPBEGIN:
      dropping_ = true;
      dropWindow_ = e.drop.windowID;
      dropPaths_.clear();
      return;
    case SDL_DROPFILE:
      if (e.drop.file) {
        dropPaths_.push_back(e.drop.file);
        SDL_free(e.drop.file);
      }
      dropWindow_ = e.drop.windowID;
      if (dropping_) return;
      [[fallthrough]];  // a drop without its begin and end
    case SDL_DROPCOMPLETE: {
      dropping_ = false;
      if (dropPaths_.empty()) return;
      out.type = EventType::FileDrop;
      out.window = dropWindow_;
      out.paths.swap(dropPaths_);
      SDL_GetGlobalMouseState(&out.screenX, &out.screenY);
      int wx = 0, wy = 0;
      if (Window* w = Find(out.window)) SDL_GetWindowPosition(w->sdl, &wx, &wy);
      out.x = out.screenX - wx;
      out.y = out.screenY - wy;
      break;
    }
    case SDL_DISPLAYEVENT: out.type = EventType::DisplayChanged; break;
    default: return;  // the wake-up event and everything we do not use
  }
  pending_.push_back(std::move(out));
}

void SdlBackend::CheckDeactivation() {
  if (!deactivateAt_ || MonotonicMicros() < deactivateAt_) return;
  deactivateAt_ = 0;
  if (appActive_ && !SDL_GetKeyboardFocus()) {
    appActive_ = false;
    Event app;
    app.type = EventType::AppDeactivated;
    pending_.push_back(app);
  }
}

bool SdlBackend::PollEvent(Event& event) {
  if (TakeQuitSignal()) {
    event = Event{};
    event.type = EventType::Quit;
    return true;
  }
  if (pending_.empty()) TakeSdlEvents(!connection_.IsOpen() || MonotonicMicros() - lastRead_ >= kReadEveryMicros);
  if (pending_.empty()) return false;
  event = std::move(pending_.front());
  pending_.pop_front();
  return true;
}

bool SdlBackend::WaitEvent(int timeoutMs) {
  if (!pending_.empty() || QuitSignalPending()) return true;
  if (deactivateAt_) {
    const std::uint64_t now = MonotonicMicros();
    const int grace = now >= deactivateAt_ ? 0 : static_cast<int>((deactivateAt_ - now + 999) / 1000);
    if (timeoutMs < 0 || grace < timeoutMs) timeoutMs = grace;
  }
  return connection_.IsOpen() ? WaitOnConnection(timeoutMs) : WaitInSdl(timeoutMs);
}

// Translates SDL's queue until an event is pending; with `read`, first reads
// everything the server sent (SDL's pump).
void SdlBackend::TakeSdlEvents(bool read) {
  if (read) {
    SDL_PumpEvents();
    connection_.Read();
    lastRead_ = lastPump_ = MonotonicMicros();
  }
  SDL_Event e;
  while (pending_.empty() && SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) Translate(e);
  if (pending_.empty()) CheckDeactivation();
}

// Sleeps until the server sends something, a Wake() or the timeout. Before
// the sleep it reads from the server unless the connection is quiet (nothing
// can wait in Xlib's queue, where the descriptor does not show it), and
// always while text input is on: an input method answers over another
// connection, which only SDL's pump reads.
bool SdlBackend::WaitOnConnection(int timeoutMs) {
  const std::uint64_t deadline = timeoutMs < 0 ? 0 : MonotonicMicros() + static_cast<std::uint64_t>(timeoutMs) * 1000;
  bool read = !connection_.Quiet() || textInput_ || MonotonicMicros() - lastPump_ >= kPumpEveryMicros;
  for (;;) {
    TakeSdlEvents(read);
    if (!pending_.empty() || QuitSignalPending()) return true;
    int sleepMs = -1;
    if (timeoutMs >= 0) {
      const std::uint64_t now = MonotonicMicros();
      if (now >= deadline) return false;
      sleepMs = static_cast<int>((deadline - now + 999) / 1000);
    }
    if (beforeSleep_) beforeSleep_();
    pollfd fds[2] = {{connection_.Fd(), POLLIN, 0}, {wake_.Fd(), POLLIN, 0}};
    if (::poll(fds, 2, sleepMs) < 0 && errno != EINTR) return false;
    read = fds[0].revents != 0;
    // A sleep the server did not end leaves the connection as quiet as it
    // was: nothing came, and nothing else talked to the server meanwhile.
    if (!read) lastRead_ = MonotonicMicros();
    if (fds[1].revents && wake_.Take()) {
      if (read) TakeSdlEvents(true);
      return !pending_.empty() || QuitSignalPending();
    }
  }
}

bool SdlBackend::WaitInSdl(int timeoutMs) {
  SDL_Event e;
  const int got = timeoutMs < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, timeoutMs);
  if (got) Translate(e);
  if (pending_.empty()) CheckDeactivation();
  return !pending_.empty() || QuitSignalPending() || SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

void SdlBackend::Wake() {
  if (connection_.IsOpen()) {
    wake_.Raise();
    return;
  }
  SDL_Event e;
  std::memset(&e, 0, sizeof e);
  e.type = wakeEvent_;
  SDL_PushEvent(&e);
}

void SdlBackend::AudioThunk(void* self, unsigned char* stream, int len) {
  auto* backend = static_cast<SdlBackend*>(self);
  const int frameBytes = 2 * backend->audio_.Format().channels;
  backend->audio_.Render(reinterpret_cast<std::int16_t*>(stream), len / frameBytes);
}

bool SdlBackend::OpenAudio(const AudioFormat& format, AudioCallback callback) {
  CloseAudio();
  audio_.Start(format, std::move(callback));
  const char* why = nullptr;
  if (!audioSubsystem_) audioSubsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!audioSubsystem_) {
    why = "the audio system did not start";
  } else if (const char* driver = SDL_GetCurrentAudioDriver();
             !driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "disk") == 0) {
    why = "only SDL's silent audio driver is there";
  } else {
    SDL_AudioSpec want;
    std::memset(&want, 0, sizeof want);
    want.freq = format.rate;
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(format.channels);
    want.samples = static_cast<Uint16>(format.periodFrames);
    want.callback = &SdlBackend::AudioThunk;
    want.userdata = this;
    SDL_AudioSpec have;
    std::memset(&have, 0, sizeof have);
    // Only the period may change: SDL converts the rest, so the callback
    // always gets our format, in blocks of the period the device grants.
    audioDevice_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (!audioDevice_)
      why = "no device could be opened";
    else
      audioPeriod_.store(have.samples > 0 ? have.samples : format.periodFrames);
  }
  if (why) {
    ReportNoAudioDevice(why);
    audioPeriod_.store(ClockAudio::PeriodFrames(format.rate));
    audioPaced_.store(true);
    clockAudio_.Start(audio_);
    return false;
  }
  audioPaced_.store(true);
  SDL_PauseAudioDevice(audioDevice_, 0);
  return true;
}

void SdlBackend::CloseAudio() {
  if (audioDevice_) {
    SDL_CloseAudioDevice(audioDevice_);  // waits for a running callback
    audioDevice_ = 0;
  }
  clockAudio_.Stop();
  if (audio_.Started()) audio_.Stop();
  audioPeriod_.store(0);
  audioPaced_.store(false);
}

AudioTiming SdlBackend::GetAudioTiming() {
  return {audioPeriod_.load(), audioPaced_.load()};
}

bool SdlBackend::OpenUrl(const std::string& url) {
  return OpenUrlWithDesktop(url);
}

}  // namespace host
