// An idle drum machine window: started as its entry starts it, shown and
// painted once, then left alone for 10 s (or as many seconds as the first
// argument says) with the step clock running while playback is stopped.
// Once painted, nothing should paint again: the clock's ticks while stopped
// change nothing that shows. On the headless host and, side by side, on the
// SDL host under Xvfb (with no DISPLAY the benchmark runs itself again under
// `xvfb-run -a`).
//
// A row: the window paints (WM_PAINT from the window manager, counted at the
// window procedures of the form and of every control on it) and the control
// paints inside them, for the first paint and for the idle time after it;
// the messages the loop took in the idle time and the step clock's ticks;
// processor time as a percentage of one core and the user-interface
// thread's wake-ups a second. Then the idle time's messages by kind, and the
// verdict.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "bench/main_window_program.h"
#include "platform/win/drums_ext.h"

namespace {

using namespace mainwindowbench;

std::string MessageName(UINT message) {
  switch (message) {
    case WM_NULL: return "WM_NULL";
    case WM_PAINT: return "WM_PAINT";
    case WM_TIMER: return "WM_TIMER";
    case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
    default: {
      char hex[16];
      std::snprintf(hex, sizeof hex, "0x%04X", message);
      return hex;
    }
  }
}

// The child: the program shown, then idle, driven from an idle handler of its
// own loop; it ends the loop after the idle time.
class IdleRun {
 public:
  explicit IdleRun(int seconds) : FSeconds(seconds) {}

  int Run() {
    const int code = RunDrumMachine([] {}, [this] { Created(); });
    if (code != 0 || FIdleSeconds == 0) return 1;
    Report();
    return 0;
  }

 private:
  void Created() {
    FPaints.Watch(frmMain);
    TDsTimerEvent tick = frmMain->DsTimer1->OnTimer;
    frmMain->DsTimer1->OnTimer = [this, tick](TObject* sender, int lag) {
      ++FTicks;
      if (tick) tick(sender, lag);
    };
    Application->OnMessage = [this](MSG& msg, bool&) { ++FMessages[msg.message]; };
    Application->AddIdleHandler(this, [this](TObject*, bool&) { Idle(); });
  }

  void Idle() {
    if (FIdleSeconds != 0) return;
    if (FStartSeconds == 0) {
      // The first idle pass after the window was painted: the idle time
      // starts here.
      if (FPaints.windowPaints == 0) return;
      FFirstWindowPaints = FPaints.windowPaints;
      FFirstControlPaints = FPaints.controlPaints;
      FTicks = 0;
      FMessages.clear();
      FStart = UsageNow();
      FStartSeconds = MonotonicSeconds();
    }
    const double elapsed = MonotonicSeconds() - FStartSeconds;
    if (elapsed < FSeconds) {
      // The loop wakes for the end even should nothing else wake it.
      Application->WakeNoLaterThan(win::clock::NowMicros() + static_cast<std::uint64_t>((FSeconds - elapsed) * 1e6) +
                                   1000);
      return;
    }
    FStop = UsageNow();
    FIdleSeconds = elapsed;
    Application->OnMessage = nullptr;
    Application->Terminate();
  }

  void Report() const {
    const long idleWindowPaints = FPaints.windowPaints - FFirstWindowPaints;
    const long idleControlPaints = FPaints.controlPaints - FFirstControlPaints;
    long messages = 0;
    for (const auto& [kind, count] : FMessages) messages += count;
    std::printf("%-9s %13ld %14ld %12ld %13ld %9ld %6ld %10.2f %13.1f\n", std::getenv("DRUMS_HOST"), FFirstWindowPaints,
                FFirstControlPaints, idleWindowPaints, idleControlPaints, messages, FTicks,
                100 * (FStop.cpuSeconds - FStart.cpuSeconds) / FIdleSeconds,
                (FStop.threadSleeps - FStart.threadSleeps) / FIdleSeconds);
    std::printf("%-9s messages by kind:", "");
    for (const auto& [kind, count] : FMessages) std::printf(" %s %ld", MessageName(kind).c_str(), count);
    std::printf("\n%-9s painted once, then idle: %s\n", "",
                FFirstWindowPaints > 0 && idleWindowPaints == 0 && idleControlPaints == 0 ? "yes" : "NO");
  }

  const int FSeconds;
  PaintCounter FPaints;
  long FTicks = 0;
  std::map<UINT, long> FMessages;
  long FFirstWindowPaints = 0, FFirstControlPaints = 0;
  Usage FStart, FStop;
  double FStartSeconds = 0, FIdleSeconds = 0;
};

}  // namespace

int main(int argc, char** argv) {
  return WindowBenchMain(
      argc, argv, "--idle", 10, [](int seconds) { return IdleRun(seconds).Run(); },
      [](int seconds) {
        std::printf("The drum machine's window idle for %d s after its first paint, stopped, step clock on\n", seconds);
        std::printf("%-9s %13s %14s %12s %13s %9s %6s %10s %13s\n", "host", "first_window", "first_controls",
                    "idle_window", "idle_controls", "messages", "ticks", "cpu_%_core", "ui_wakeups/s");
      });
}
