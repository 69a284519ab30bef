#include "platform/host/host.h"

#include <time.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <stdexcept>

#include "platform/host/headless.h"
#include "platform/host/headless_backend.h"
#include "platform/host/quit_signal.h"
#include "platform/host/sdl_backend.h"

namespace host {
namespace {

std::mutex& BackendMutex() {
  static std::mutex m;
  return m;
}
// A plain pointer, not a static object: the back end ends when the program
// says so (Shutdown), not at some point of static destruction.
std::atomic<Backend*> current{nullptr};

std::unique_ptr<Backend> MakeChosen() {
  const char* choice = std::getenv("DRUMS_HOST");
  if (choice && std::strcmp(choice, "headless") == 0) return MakeHeadlessBackend();
  if (choice && *choice && std::strcmp(choice, "sdl") != 0)
    throw std::runtime_error(std::string("DRUMS_HOST: unknown back end \"") + choice + "\" (sdl or headless)");
  return MakeSdlBackend();
}

HeadlessBackend& Headless() {
  auto* b = dynamic_cast<HeadlessBackend*>(&Get());
  if (!b) throw std::logic_error("the host is not the headless back end");
  return *b;
}

void WakeCurrent() {
  std::lock_guard<std::mutex> lock(BackendMutex());
  if (Backend* b = current.load()) b->Wake();
}

}  // namespace

Backend& Get() {
  if (Backend* b = current.load(std::memory_order_acquire)) return *b;
  Backend* made;
  {
    std::lock_guard<std::mutex> lock(BackendMutex());
    if (!current.load()) current.store(MakeChosen().release(), std::memory_order_release);
    made = current.load();
  }
  // Stopping the program from outside asks its windows to close.
  InstallQuitSignals(WakeCurrent);
  return *made;
}

void Shutdown() {
  std::lock_guard<std::mutex> lock(BackendMutex());
  delete current.exchange(nullptr);
}

void UseBackendForTests(std::unique_ptr<Backend> backend) {
  {
    std::lock_guard<std::mutex> lock(BackendMutex());
    delete current.exchange(backend.release());
  }
  // As Get does: a test whose first back end comes from here must still
  // see the quit signals as requests, not as the end of the process.
  InstallQuitSignals(WakeCurrent);
}

std::uint64_t MonotonicMicros() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::uint64_t>(ts.tv_sec) * 1000000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000u;
}

std::unique_ptr<Backend> MakeHeadlessBackend() {
  return std::make_unique<HeadlessBackend>();
}

namespace headless {

void PushEvent(const Event& event) {
  Headless().Push(event);
}
size_t PendingEvents() {
  return Headless().Pending();
}
void SetScreen(const Rect& screen, const Rect& workArea) {
  Headless().SetScreen(screen, workArea);
}
bool GetWindowState(WindowId id, WindowState& state) {
  return Headless().State(id, state);
}
std::vector<WindowId> Windows() {
  return Headless().WindowList();
}
WindowId FocusedWindow() {
  return Headless().Focused();
}
bool AppActive() {
  return Headless().AppActive();
}
void FocusOtherProgram() {
  Headless().FocusOtherProgram();
}
Surface PresentedImage(WindowId id) {
  return Headless().Presented(id);
}
int PresentCount(WindowId id) {
  return Headless().PresentCount(id);
}
std::vector<Rect> LastPresentDirty(WindowId id) {
  return Headless().LastDirty(id);
}
CursorState Cursor() {
  return Headless().Cursor();
}
void SetCursorPos(int x, int y) {
  Headless().SetCursorPos(x, y);
}
bool MouseCaptured() {
  return Headless().Captured();
}
bool TextInputOn() {
  return Headless().TextInputOn();
}
void UseAudioDriver(AudioDriver driver) {
  Headless().UseAudioDriver(driver);
}
AudioDriver CurrentAudioDriver() {
  return Headless().AudioDriver();
}
bool AudioOpen() {
  return Headless().AudioOpen();
}
std::vector<std::int16_t> RenderAudio(int frames) {
  return Headless().RenderAudio(frames);
}
void SetPulledAudioTiming(const AudioTiming& timing) {
  Headless().SetPulledTiming(timing);
}
std::vector<std::string> OpenedUrls() {
  return Headless().Urls();
}

}  // namespace headless
}  // namespace host
