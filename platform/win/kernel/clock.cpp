#include "platform/win/kernel/clock.h"

#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <vector>

#include "platform/host/host.h"
#include "platform/win/kernel/clock_waiters.h"

namespace win::clock {
namespace {

struct State {
  std::mutex lock;
  std::atomic<bool> manual{false};
  std::atomic<std::uint64_t> manualNow{0};
  std::uint64_t manualStart = 0;
  std::int64_t wallAtManualStart = 0;
  // A wall time set by a test, and the clock seam's reading when it was set.
  bool wallSet = false;
  std::int64_t wallSetTo = 0;
  std::uint64_t nowAtWallSet = 0;
  std::multiset<int> waiters;
  std::map<int, std::function<void()>> listeners;
  int nextListener = 1;
};

State& TheState() {
  static State* state = new State;  // used by threads that may outlive statics
  return *state;
}

std::int64_t RealWallMicros() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

struct ThreadFd {
  int fd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  ~ThreadFd() {
    if (fd >= 0) close(fd);
  }
};

}  // namespace

std::uint64_t NowMicros() {
  State& s = TheState();
  if (s.manual.load()) return s.manualNow.load();
  return host::MonotonicMicros();
}

void UseManual(std::uint64_t startMicros) {
  State& s = TheState();
  std::lock_guard guard(s.lock);
  if (s.wallSet) {
    // A set wall time goes on from where it stands on the new clock.
    s.wallSetTo += static_cast<std::int64_t>(NowMicros() - s.nowAtWallSet);
    s.nowAtWallSet = startMicros;
  }
  s.manualNow = startMicros;
  s.manualStart = startMicros;
  s.wallAtManualStart = RealWallMicros();
  s.manual = true;
}

void Advance(std::uint64_t micros) {
  State& s = TheState();
  std::vector<std::function<void()>> toCall;
  {
    std::lock_guard guard(s.lock);
    s.manualNow += micros;
    const std::uint64_t one = 1;
    for (int fd : s.waiters) {
      ssize_t written = write(fd, &one, sizeof one);
      (void)written;
    }
    for (auto& [id, fn] : s.listeners) toCall.push_back(fn);
  }
  for (auto& fn : toCall) fn();
}

void UseReal() {
  State& s = TheState();
  std::lock_guard guard(s.lock);
  s.manual = false;
  s.wallSet = false;
  const std::uint64_t one = 1;
  for (int fd : s.waiters) {
    ssize_t written = write(fd, &one, sizeof one);
    (void)written;
  }
}

bool IsManual() {
  return TheState().manual.load();
}

int AddAdvanceListener(std::function<void()> listener) {
  State& s = TheState();
  std::lock_guard guard(s.lock);
  int id = s.nextListener++;
  s.listeners.emplace(id, std::move(listener));
  return id;
}

void RemoveAdvanceListener(int id) {
  State& s = TheState();
  std::lock_guard guard(s.lock);
  s.listeners.erase(id);
}

int ThreadWakeFd() {
  thread_local ThreadFd fd;
  return fd.fd;
}

void DrainThreadWakeFd() {
  std::uint64_t value = 0;
  ssize_t got = read(ThreadWakeFd(), &value, sizeof value);
  (void)got;
}

AdvanceWaiter::AdvanceWaiter() {
  State& s = TheState();
  std::lock_guard guard(s.lock);
  s.waiters.insert(ThreadWakeFd());
}

AdvanceWaiter::~AdvanceWaiter() {
  State& s = TheState();
  std::lock_guard guard(s.lock);
  auto it = s.waiters.find(ThreadWakeFd());
  if (it != s.waiters.end()) s.waiters.erase(it);
}

std::int64_t WallMicros() {
  State& s = TheState();
  const std::uint64_t now = NowMicros();
  std::lock_guard guard(s.lock);
  if (s.wallSet) return s.wallSetTo + static_cast<std::int64_t>(now - s.nowAtWallSet);
  if (!s.manual.load()) return RealWallMicros();
  return s.wallAtManualStart + static_cast<std::int64_t>(now - s.manualStart);
}

void SetWallMicros(std::int64_t unixMicros) {
  State& s = TheState();
  const std::uint64_t now = NowMicros();
  std::lock_guard guard(s.lock);
  s.wallSet = true;
  s.wallSetTo = unixMicros;
  s.nowAtWallSet = now;
}

void UseRealWall() {
  State& s = TheState();
  std::lock_guard guard(s.lock);
  s.wallSet = false;
}

}  // namespace win::clock
