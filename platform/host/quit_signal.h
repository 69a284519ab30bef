// SIGTERM and SIGINT as the desktop's quit request.
//
// A program stopped from outside ends as it would at the end of a desktop
// session: its windows are asked to close, and it writes its exit screenshots
// on the way out. The signal handler only sets a flag and writes a byte to a
// wake pipe; a watcher thread wakes the back end's wait, and the back end's
// event loop hands the request up as an EventType::Quit event.
//
// A second signal while the first is still waiting to be taken ends the
// program as the signal's default would: one that no longer reads its events
// can still be stopped.
#pragma once

#include <functional>

namespace host {

// Installs the handlers once (a signal the process ignores stays ignored).
// `wake` ends the back end's WaitEvent; it runs on the watcher thread.
void InstallQuitSignals(std::function<void()> wake);

// True once for each quit signal that arrived; the back ends' PollEvent turns
// it into a Quit event.
bool TakeQuitSignal();
// Whether a quit signal waits to be taken (for WaitEvent's answer).
bool QuitSignalPending();

}  // namespace host
