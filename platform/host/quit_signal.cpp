#include "platform/host/quit_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <thread>

namespace host {
namespace {

// Lock-free, so the handler may touch them.
std::atomic<bool> g_pending{false};
int g_wakePipe[2] = {-1, -1};
std::function<void()>* g_wake = nullptr;  // set once, before any handler runs

void OnQuitSignal(int sig) {
  const int savedErrno = errno;
  if (g_pending.exchange(true)) {
    // The first request was never taken: stop as the signal's default would.
    ::signal(sig, SIG_DFL);
    ::raise(sig);
  } else {
    const char byte = 'q';
    [[maybe_unused]] const ssize_t n = ::write(g_wakePipe[1], &byte, 1);
  }
  errno = savedErrno;
}

void WatchWakePipe() {
  char byte;
  for (;;) {
    const ssize_t n = ::read(g_wakePipe[0], &byte, 1);
    if (n == 1) {
      (*g_wake)();
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return;
    }
  }
}

void InstallFor(int sig) {
  struct sigaction old {};
  if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(sig, &action, nullptr);
}

}  // namespace

void InstallQuitSignals(std::function<void()> wake) {
  static std::once_flag once;
  std::call_once(once, [&] {
    if (::pipe2(g_wakePipe, O_CLOEXEC) != 0) return;
    ::fcntl(g_wakePipe[1], F_SETFL, O_NONBLOCK);
    g_wake = new std::function<void()>(std::move(wake));  // lives as long as the watcher
    std::thread(WatchWakePipe).detach();
    InstallFor(SIGTERM);
    InstallFor(SIGINT);
  });
}

bool TakeQuitSignal() {
  return g_pending.exchange(false);
}

bool QuitSignalPending() {
  return g_pending.load();
}

}  // namespace host
