// SDL's connection to the X server, as the SDL back end's wait sees it: a
// descriptor to sleep on with poll(2), and whether reading from the server
// before the sleep can be left out. SDL's own wait falls back to polling
// every millisecond while the program has no window, and another thread wakes
// it by sending an X event to one of its windows through the server; hence a
// wait of the back end's own, woken through a descriptor of its own.
#pragma once

namespace host {

class X11Connection {
 public:
  // After SDL_Init(SDL_INIT_VIDEO): finds SDL's display when SDL's video
  // driver is X11; stays closed on any other driver (Wayland, ...).
  void Connect();
  bool IsOpen() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  // Call right after SDL read everything the server sent (its pump).
  void Read();
  // True when nothing from the server can wait unseen since Read: Xlib's
  // queue is empty and no request went out since (waiting for a reply is
  // how Xlib reads events outside a pump). A sleep on Fd() then misses
  // nothing.
  bool Quiet() const;

 private:
  void* display_ = nullptr;
  int fd_ = -1;
  unsigned long requestAtRead_ = 0;
  unsigned long (*nextRequest_)(void*) = nullptr;
  int (*eventsQueued_)(void*, int) = nullptr;
};

}  // namespace host
