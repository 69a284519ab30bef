// Compiled on its own, outside the batches of the library's other files:
// Xlib's header defines macros (None, Bool, Status, Success) that other
// files use as names.
#include "platform/host/x11_connection.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <dlfcn.h>

#include <cstring>

namespace host {

void X11Connection::Connect() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return;
  // SDL names its display only through a window: a hidden one, never mapped,
  // serves before the program has any. The display outlives it.
  SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  if (!probe) return;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(probe, &info) && info.subsystem == SDL_SYSWM_X11 && info.info.x11.display) {
    display_ = info.info.x11.display;
    fd_ = ConnectionNumber(info.info.x11.display);
  }
  SDL_DestroyWindow(probe);
  // The library SDL loaded; without it every wait reads from the server first.
  if (void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD)) {
    nextRequest_ = reinterpret_cast<unsigned long (*)(void*)>(dlsym(xlib, "XNextRequest"));
    eventsQueued_ = reinterpret_cast<int (*)(void*, int)>(dlsym(xlib, "XEventsQueued"));
    dlclose(xlib);  // SDL keeps it loaded
  }
}

void X11Connection::Read() {
  if (display_ && nextRequest_) requestAtRead_ = nextRequest_(display_);
}

bool X11Connection::Quiet() const {
  if (!display_ || !nextRequest_ || !eventsQueued_) return false;
  return nextRequest_(display_) == requestAtRead_ && eventsQueued_(display_, QueuedAlready) == 0;
}

}  // namespace host
