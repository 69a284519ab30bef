// Compiled on its own, outside the batches of the library's other files:
// Xlib's header defines macros (None, Bool, Status, Success) that other
// files use as names.
#include "platform/host/x11_connection.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstring>

namespace host {

int SdlX11ConnectionFd() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return -1;
  // SDL names its display only through a window: a hidden one, never mapped,
  // serves before the program has any. The display outlives it.
  SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  if (!probe) return -1;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  int fd = -1;
  if (SDL_GetWindowWMInfo(probe, &info) && info.subsystem == SDL_SYSWM_X11 && info.info.x11.display)
    fd = ConnectionNumber(info.info.x11.display);
  SDL_DestroyWindow(probe);
  return fd;
}

}  // namespace host
