// The SDL back end on a real X server: a private Xvfb started by the test.
// What the window shows is read back from the X server itself (XGetImage on
// the screen, through libX11 loaded at run time), so the pixels are the ones
// that reached the server, not SDL's copy of them.
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

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
      ::execl(program.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp",
              static_cast<char*>(nullptr));
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
  bool Ok() const { return openDisplay && closeDisplay && getImage && setErrorHandler; }
};

// A failed request must not end the test: Xlib's default handler would exit.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

std::uint32_t ServerPixel(XImage* image, int x, int y) {
  return static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF;
}

TEST(SdlOnXvfb, PresentedPixelsReachTheXServer) {
  Xvfb server;
  std::string why;
  ASSERT_TRUE(server.Start(why)) << why;
  ::setenv("DISPLAY", server.Display().c_str(), 1);
  ::setenv("SDL_VIDEODRIVER", "x11", 1);
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  ::unsetenv("WAYLAND_DISPLAY");
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

}  // namespace
