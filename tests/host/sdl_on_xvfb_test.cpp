// The SDL back end on a real X server: a private Xvfb started by the test.
// What the window shows is read back from the X server itself (XGetImage on
// the screen, through libX11 loaded at run time), so the pixels are the ones
// that reached the server, not SDL's copy of them. The event wait is checked
// for sleeping: how often it sleeps comes from the back end's sleep seam and
// from the thread's voluntary context switches, never from a time.
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/host/sdl_backend.h"
#include "support.h"

// After GoogleTest: Xlib defines macros (None, Bool, Status) that its headers use as names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// SDL's desktop-bus connection keeps a buffer until the process ends.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

namespace {

using hosttest::Fill;

std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  for (size_t start = 0; start <= dirs.size();) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string candidate = dirs.substr(start, end - start) + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// An Xvfb of our own on a display number it picks itself (-displayfd), so
// that no other server on the machine is disturbed or assumed.
class Xvfb {
 public:
  bool Start(std::string& why) {
    const std::string program = FindProgram("Xvfb");
    if (program.empty()) {
      why = "Xvfb is not installed (Debian package xvfb; tools/install-deps.sh installs it)";
      return false;
    }
    int report[2];
    if (::pipe(report) != 0) return false;
    ::fcntl(report[0], F_SETFD, FD_CLOEXEC);
    pid_ = ::fork();
    if (pid_ == 0) {
      const std::string fd = std::to_string(report[1]);
      const int devnull = ::open("/dev/null", O_RDWR);
      ::dup2(devnull, 0);
      ::dup2(devnull, 1);
      ::dup2(devnull, 2);
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlives a test that crashed
      // -noreset: tests connect one after the other, and a server resetting
      // after its last client left refuses the next one for a while.
      ::execl(program.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp",
              "-noreset", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(report[1]);
    std::string number;
    pollfd p{report[0], POLLIN, 0};
    char c;
    // The server writes its display number once it accepts clients.
    while (::poll(&p, 1, 30000) > 0 && ::read(report[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(report[0]);
    if (number.empty()) {
      why = "Xvfb did not start";
      return false;
    }
    display_ = ":" + number;
    return true;
  }
  ~Xvfb() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// The few Xlib calls the check needs, from the library SDL itself uses.
struct Xlib {
  void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  decltype(&XOpenDisplay) openDisplay =
      lib ? reinterpret_cast<decltype(&XOpenDisplay)>(dlsym(lib, "XOpenDisplay")) : nullptr;
  decltype(&XCloseDisplay) closeDisplay =
      lib ? reinterpret_cast<decltype(&XCloseDisplay)>(dlsym(lib, "XCloseDisplay")) : nullptr;
  decltype(&XGetImage) getImage = lib ? reinterpret_cast<decltype(&XGetImage)>(dlsym(lib, "XGetImage")) : nullptr;
  decltype(&XSetErrorHandler) setErrorHandler =
      lib ? reinterpret_cast<decltype(&XSetErrorHandler)>(dlsym(lib, "XSetErrorHandler")) : nullptr;
  decltype(&XWarpPointer) warpPointer =
      lib ? reinterpret_cast<decltype(&XWarpPointer)>(dlsym(lib, "XWarpPointer")) : nullptr;
  decltype(&XFlush) flush = lib ? reinterpret_cast<decltype(&XFlush)>(dlsym(lib, "XFlush")) : nullptr;
  decltype(&XSync) sync = lib ? reinterpret_cast<decltype(&XSync)>(dlsym(lib, "XSync")) : nullptr;
  bool Ok() const { return openDisplay && closeDisplay && getImage && setErrorHandler && warpPointer && flush && sync; }
};

// A failed request must not end the test: Xlib's default handler would exit.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

std::uint32_t ServerPixel(XImage* image, int x, int y) {
  return static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF;
}

// One server for the suite; each test makes its own back end on it.
class SdlOnXvfb : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new Xvfb;
    if (!server_->Start(why_)) return;
    ::setenv("DISPLAY", server_->Display().c_str(), 1);
    ::setenv("SDL_VIDEODRIVER", "x11", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::unsetenv("WAYLAND_DISPLAY");
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override { ASSERT_FALSE(server_->Display().empty()) << why_; }

  static Xvfb* server_;
  static std::string why_;
};
Xvfb* SdlOnXvfb::server_ = nullptr;
std::string SdlOnXvfb::why_;

TEST_F(SdlOnXvfb, PresentedPixelsReachTheXServer) {
  Xvfb& server = *server_;
  host::UseBackendForTests(host::MakeSdlBackend());
  host::Backend& b = host::Get();
  EXPECT_STREQ(b.Name(), "sdl");
  EXPECT_EQ(b.ScreenBounds().w, 800);

  host::WindowParams params;
  params.title = "xvfb check";
  params.bounds = {20, 30, 64, 48};
  const host::WindowId w = b.CreateWindow(params);
  ASSERT_NE(w, 0u);
  const host::Surface s = b.GetSurface(w);
  ASSERT_EQ(s.width, 64);
  ASSERT_EQ(s.height, 48);
  Fill(s, {0, 0, 32, 48}, 0xFF0000);
  Fill(s, {32, 0, 32, 48}, 0x0000FF);
  Fill(s, {5, 6, 4, 4}, 0x00FF00);
  b.ShowWindow(w, true);

  Xlib x;
  ASSERT_TRUE(x.Ok()) << "libX11.so.6 could not be loaded";
  x.setErrorHandler(&IgnoreXError);
  Display* display = x.openDisplay(server.Display().c_str());
  ASSERT_NE(display, nullptr);
  // The screen itself (the root window) where the window lies: what a
  // person would see there.
  const host::Rect at = b.GetBounds(w);
  auto grab = [&] { return x.getImage(display, DefaultRootWindow(display), at.x, at.y, 64, 48, AllPlanes, ZPixmap); };
  // The server maps the window in its own time: present until it shows.
  XImage* image = nullptr;
  for (int attempt = 0; attempt < 500; ++attempt) {
    b.Present(w, {});
    host::Event e;
    while (b.PollEvent(e)) {}
    image = grab();
    if (image && ServerPixel(image, 0, 0) == 0xFF0000) break;
    if (image) XDestroyImage(image);
    image = nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_NE(image, nullptr) << "the window never showed the presented pixels";
  EXPECT_EQ(ServerPixel(image, 0, 0), 0xFF0000u);
  EXPECT_EQ(ServerPixel(image, 63, 47), 0x0000FFu);
  EXPECT_EQ(ServerPixel(image, 6, 7), 0x00FF00u);
  XDestroyImage(image);

  // A dirty rectangle reaches the server; the pixels around it stay as they were.
  Fill(s, {40, 20, 8, 8}, 0xFFFF00);
  Fill(s, {0, 40, 8, 8}, 0x00FFFF);  // drawn, not presented
  b.Present(w, {{40, 20, 8, 8}});
  image = grab();
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(ServerPixel(image, 44, 24), 0xFFFF00u);
  EXPECT_EQ(ServerPixel(image, 2, 42), 0xFF0000u);
  XDestroyImage(image);
  x.closeDisplay(display);

  // Wake ends an endless wait; the silent audio driver falls back to the clock.
  b.Wake();
  b.WaitEvent(-1);
  EXPECT_FALSE(b.OpenAudio({}, [](std::int16_t*, int) {}));
  b.CloseAudio();
  b.DestroyWindow(w);
  host::Shutdown();
}

// The times the calling thread gave up the processor of its own accord:
// each sleep of a wait counts one.
long ThreadSleeps() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return u.ru_nvcsw;
}

// A back end on the test's server with its sleeps counted, and optionally
// one window shown: SDL itself waits properly only while a window exists.
struct CountedWait {
  explicit CountedWait(bool withWindow) {
    backend->SetBeforeSleep([this] {
      ++sleeps;
      if (duringSleep) duringSleep();
    });
    if (withWindow) {
      host::WindowParams params;
      params.title = "wait check";
      params.bounds = {20, 30, 64, 48};
      window = backend->CreateWindow(params);
      backend->ShowWindow(window, true);
    }
    Settle();
  }
  // Takes what showing the window brought until a wait ends with nothing.
  void Settle() {
    host::Event e;
    do {
      while (backend->PollEvent(e)) {}
    } while (backend->WaitEvent(100));
    sleeps = 0;
  }
  std::unique_ptr<host::SdlBackend> backend = std::make_unique<host::SdlBackend>();
  host::WindowId window = 0;
  int sleeps = 0;
  std::function<void()> duringSleep;
};

TEST_F(SdlOnXvfb, WaitWithNothingToDoSleepsOnceUntilItsTimeout) {
  for (const bool withWindow : {false, true}) {
    SCOPED_TRACE(withWindow ? "a window shown" : "no window");
    CountedWait w(withWindow);
    const long before = ThreadSleeps();
    EXPECT_FALSE(w.backend->WaitEvent(300));
    // Polling would sleep about once a millisecond.
    EXPECT_GE(w.sleeps, 1);
    EXPECT_LE(w.sleeps, 2);
    EXPECT_LE(ThreadSleeps() - before, 4);
  }
}

// The move may come with the focus that follows the pointer on a desktop
// without a window manager.
void ExpectMouseMove(host::Backend& b, host::WindowId window, int x, int y) {
  host::Event e;
  bool moved = false;
  while (!moved && b.PollEvent(e)) moved = e.type == host::EventType::MouseMove;
  ASSERT_TRUE(moved);
  EXPECT_EQ(e.window, window);
  EXPECT_EQ(e.x, x);
  EXPECT_EQ(e.y, y);
}

// Runs `action` on another thread once the wait has gone to sleep; should
// the wait never sleep, after a while anyway, so that a broken wait fails
// its checks instead of hanging.
class OnAnotherThreadDuringTheSleep {
 public:
  OnAnotherThreadDuringTheSleep(CountedWait& wait, std::function<void()> action) : wait_(wait) {
    wait_.duringSleep = [this] {
      std::lock_guard<std::mutex> lock(m_);
      asleep_ = true;
      cv_.notify_one();
    };
    thread_ = std::thread([this, action = std::move(action)] {
      {
        std::unique_lock<std::mutex> lock(m_);
        cv_.wait_for(lock, std::chrono::seconds(10), [this] { return asleep_; });
      }
      action();
    });
  }
  ~OnAnotherThreadDuringTheSleep() {
    thread_.join();
    wait_.duringSleep = nullptr;
  }

 private:
  CountedWait& wait_;
  std::mutex m_;
  std::condition_variable cv_;
  bool asleep_ = false;
  std::thread thread_;
};

TEST_F(SdlOnXvfb, WakeEndsTheWait) {
  for (const bool withWindow : {false, true}) {
    SCOPED_TRACE(withWindow ? "a window shown" : "no window");
    CountedWait w(withWindow);
    // A wake given before the wait is kept: the wait ends at once.
    w.backend->Wake();
    EXPECT_FALSE(w.backend->WaitEvent(-1));
    w.sleeps = 0;

    OnAnotherThreadDuringTheSleep waker(w, [&] { w.backend->Wake(); });
    EXPECT_FALSE(w.backend->WaitEvent(-1));
    EXPECT_EQ(w.sleeps, 1);
  }
}

// Another client of the test's server, moving the pointer as a user would.
class PointerMover {
 public:
  explicit PointerMover(const std::string& display) : display_(x_.Ok() ? x_.openDisplay(display.c_str()) : nullptr) {}
  ~PointerMover() {
    if (display_) x_.closeDisplay(display_);
  }
  bool Ok() const { return display_ != nullptr; }
  // To a point of the screen; with `sync`, returns once the server has sent
  // the events the move makes.
  void MoveTo(int x, int y, bool sync) {
    x_.warpPointer(display_, 0, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    if (sync)
      x_.sync(display_, False);
    else
      x_.flush(display_);
  }

 private:
  Xlib x_;
  Display* display_;
};

TEST_F(SdlOnXvfb, AnEventFromTheServerEndsTheWait) {
  CountedWait w(true);
  PointerMover pointer(server_->Display());
  ASSERT_TRUE(pointer.Ok()) << "no second connection to the server through libX11.so.6";
  const host::Rect at = w.backend->GetBounds(w.window);
  {
    OnAnotherThreadDuringTheSleep mover(w, [&] { pointer.MoveTo(at.x + 10, at.y + 7, false); });
    EXPECT_TRUE(w.backend->WaitEvent(-1));
    EXPECT_EQ(w.sleeps, 1);
  }
  ExpectMouseMove(*w.backend, w.window, 10, 7);
}

// Xlib reads the events that came before a reply when it waits for the
// reply (presenting waits for the server): they wait in Xlib's queue, not
// on the descriptor, and a wait that slept on the descriptor would miss them.
TEST_F(SdlOnXvfb, EventsReadAlongWithAReplyEndTheWaitAtOnce) {
  CountedWait w(true);
  PointerMover pointer(server_->Display());
  ASSERT_TRUE(pointer.Ok()) << "no second connection to the server through libX11.so.6";
  const host::Rect at = w.backend->GetBounds(w.window);
  EXPECT_FALSE(w.backend->WaitEvent(0));
  pointer.MoveTo(at.x + 20, at.y + 15, true);
  w.backend->Present(w.window, {});
  EXPECT_TRUE(w.backend->WaitEvent(10000));
  EXPECT_EQ(w.sleeps, 0);
  ExpectMouseMove(*w.backend, w.window, 20, 15);
}

}  // namespace
