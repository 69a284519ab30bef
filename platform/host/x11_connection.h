// SDL's connection to the X server, as a descriptor the SDL back end sleeps
// on with poll(2): SDL's own wait falls back to polling every millisecond
// while the program has no window, and wakes from another thread only by
// sending an X event through a connection Xlib does not guard for threads.
#pragma once

namespace host {

// After SDL_Init(SDL_INIT_VIDEO): the descriptor of the X connection when
// SDL's video driver is X11; -1 for any other driver (Wayland, ...).
int SdlX11ConnectionFd();

}  // namespace host
