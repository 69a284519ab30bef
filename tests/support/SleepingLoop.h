// Tests of the message loop's wait on the manual clock: the loop runs on the
// test's thread and sleeps in its wait, while a second thread moves the
// clock, each time once the loop has gone to sleep, as time passes for a
// sleeping program.
#pragma once

#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <thread>

#include "platform/win/drums_ext.h"

namespace testsupport {

// The thread that runs the loop; made on that thread, used from the other.
class SleepingLoop {
 public:
  SleepingLoop() : FTid(static_cast<pid_t>(syscall(SYS_gettid))) {}

  // Returns once the loop's thread sleeps: five looks in a row find it
  // asleep and not woken in between, which a short block on a lock the
  // other thread held for a moment does not pass. The limit only keeps a
  // stuck loop from hanging the run.
  void WaitUntilAsleep() const {
    long switches = -1;
    for (int asleep = 0, i = 0; asleep < 5 && i < 200000; ++i) {
      const Look look = LookAt();
      asleep = look.asleep && look.switches == switches ? asleep + 1 : 0;
      switches = look.switches;
      std::this_thread::yield();
    }
  }

  // Moves the clock, then returns once the loop has taken the move in:
  // woken by it, the loop either ran or went straight back to its wait, and
  // sleeps again. Called again at once, it finds the loop asleep.
  void AdvanceWhileAsleep(std::uint64_t micros) const {
    const long before = LookAt().switches;
    win::clock::Advance(micros);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (LookAt().switches == before && std::chrono::steady_clock::now() < limit) std::this_thread::yield();
    WaitUntilAsleep();
  }

 private:
  struct Look {
    bool asleep = false;
    long switches = -1;  // how often the thread has gone to sleep so far
  };

  Look LookAt() const {
    Look look;
    std::ifstream status("/proc/self/task/" + std::to_string(FTid) + "/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("State:", 0) == 0) look.asleep = line.find_first_not_of(" \t", 6) == line.find('S', 6);
      if (line.rfind("voluntary_ctxt_switches:", 0) == 0) look.switches = std::stol(line.substr(24));
    }
    return look;
  }

  pid_t FTid;
};

}  // namespace testsupport
