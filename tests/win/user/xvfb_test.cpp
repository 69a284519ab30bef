// A real window on a private X server: what the window manager painted and
// presented is what the server shows. Read back from the server itself.
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include "message_log.h"
#include "platform/host/headless.h"
#include "platform/win/user/draw_util.h"

namespace {
// Made before Xlib comes in: its macros (FillSolid among them) would clash.
HWND MakeHalvesWindow() {
  using namespace usertest;
  MessageLog::Get().answers[{"x", WM_PAINT}] = [](HWND h, WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    win::user::FillSolid(dc, {0, 0, 32, 48}, RGB(255, 0, 0));
    win::user::FillSolid(dc, {32, 0, 64, 48}, RGB(0, 0, 255));
    EndPaint(h, &ps);
    return LRESULT(0);
  };
  return MakeWindow("x", WS_POPUP | WS_VISIBLE, 20, 30, 64, 48);
}
}  // namespace

// After GoogleTest: Xlib's macros would clash with names in its headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// SDL's desktop-bus connection keeps a buffer until the process ends.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

namespace {

using namespace usertest;

// An Xvfb on a display number of its own choosing (-displayfd).
class Xvfb {
 public:
  bool Start() {
    const char* program = "/usr/bin/Xvfb";
    if (::access(program, X_OK) != 0) return false;
    int report[2];
    if (::pipe(report) != 0) return false;
    pid_ = ::fork();
    if (pid_ == 0) {
      const std::string fd = std::to_string(report[1]);
      const int devnull = ::open("/dev/null", O_RDWR);
      ::dup2(devnull, 1);
      ::dup2(devnull, 2);
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);
      ::execl(program, "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp",
              static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(report[1]);
    pollfd p{report[0], POLLIN, 0};
    char c;
    while (::poll(&p, 1, 30000) > 0 && ::read(report[0], &c, 1) == 1 && c != '\n') number_ += c;
    ::close(report[0]);
    return !number_.empty();
  }
  ~Xvfb() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  std::string Display() const { return ":" + number_; }

 private:
  pid_t pid_ = -1;
  std::string number_;
};

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

TEST(XServer, PaintedWindowReachesTheServer) {
  Xvfb server;
  if (!server.Start()) GTEST_SKIP() << "Xvfb is not available";
  ::setenv("DISPLAY", server.Display().c_str(), 1);
  ::setenv("SDL_VIDEODRIVER", "x11", 1);
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  ::unsetenv("WAYLAND_DISPLAY");
  host::UseBackendForTests(host::MakeSdlBackend());

  HWND w = MakeHalvesWindow();
  ASSERT_TRUE(w);

  void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr);
  auto openDisplay = reinterpret_cast<decltype(&XOpenDisplay)>(dlsym(lib, "XOpenDisplay"));
  auto closeDisplay = reinterpret_cast<decltype(&XCloseDisplay)>(dlsym(lib, "XCloseDisplay"));
  auto getImage = reinterpret_cast<decltype(&XGetImage)>(dlsym(lib, "XGetImage"));
  auto setErrorHandler = reinterpret_cast<decltype(&XSetErrorHandler)>(dlsym(lib, "XSetErrorHandler"));
  setErrorHandler(&IgnoreXError);
  Display* display = openDisplay(server.Display().c_str());
  ASSERT_NE(display, nullptr);

  // The server maps the window in its own time: run the loop until it shows.
  XImage* image = nullptr;
  for (int attempt = 0; attempt < 500 && !image; ++attempt) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    image = getImage(display, DefaultRootWindow(display), 20, 30, 64, 48, AllPlanes, ZPixmap);
    if (image && (XGetPixel(image, 2, 2) & 0xFFFFFF) != 0xFF0000) {
      XDestroyImage(image);
      image = nullptr;
      // Present again, as after an expose.
      InvalidateRect(w, nullptr, TRUE);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ASSERT_NE(image, nullptr) << "the window never showed what was painted";
  EXPECT_EQ(0xFF0000u, XGetPixel(image, 2, 2) & 0xFFFFFF);
  EXPECT_EQ(0x0000FFu, XGetPixel(image, 60, 40) & 0xFFFFFF);
  XDestroyImage(image);
  closeDisplay(display);

  DestroyWindow(w);
  MessageLog::Get().answers.clear();
  host::UseBackendForTests(host::MakeHeadlessBackend());
  ::setenv("DRUMS_HOST", "headless", 1);
}

}  // namespace
