// What the whole drum machine costs while it plays: the program started as
// its entry starts it, a 12-track pattern clicked into the grid and Play
// pressed (clicks posted to the window, through the real message loop), then
// 60 s of playing (or as many seconds as the first argument says) in the
// class library's message loop, with the step clock at the song's tempo and
// every step mixed by the sound engine. On the SDL host under Xvfb (with no
// DISPLAY the benchmark runs itself again under `xvfb-run -a`), and beside it
// on the headless host; both play through the clock-driven stand-in for a
// sound card (SDL's silent audio driver), which asks for the mix at the real
// rate.
//
// A row: processor time of the whole process as a percentage of one core
// (getrusage over the playing time), the user-interface thread's share, that
// thread's wake-ups a second (voluntary context switches), the process's,
// the steps the clock played, the window's paints a second (window paints by
// the window manager and control paints inside them), and the resident
// memory (VmRSS at the end of the playing time, VmHWM its peak) in MiB.
// Then where the time went (the user-interface thread's time in the kernel,
// each thread's share, the paints by control) and the verdict.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/main_window_program.h"
#include "platform/win/drums_ext.h"

namespace {

using namespace mainwindowbench;

constexpr double kCpuBoundPercent = 1;
constexpr double kMemoryBoundMiB = 60;

// The pattern clicked into the grid: a row per track, "x" a step that sounds.
constexpr const char* kPattern[SongTracks] = {
    "x.....x...x.....",  // bass drum
    "....x.......x...",  // snare
    "..x...x...x...x.",  // open hat
    "x.x.x.x.x.x.x.x.",  // closed hat
    "x.......x.......",  // deep bass drum
    "...........x....",  // toms
    ".............x.x",  // toms
    ".......x......x.",  // blip snare
    "x..x..x.....x...",  // synth
    "......x.......x.",  // video game
    "..x.......x.....",  // synth 2
    "...x...x...x...x",  // blip snare
};

// What one playing run measures; its start is the moment Play took effect.
struct Figures {
  Usage usage;
  std::map<std::string, double> threads;
  std::map<std::string, long> paints;
  long windowPaints = 0, controlPaints = 0, ticks = 0;
  double seconds = 0;
};

// The child: the program playing the pattern, driven from an idle handler
// of its own loop: once painted it posts the clicks, once playing it takes
// the starting figures, after the playing time the final ones, and closes
// the window as a user would.
class PlayRun {
 public:
  explicit PlayRun(int seconds) : FSeconds(seconds) {}

  int Run() {
    const int code = RunDrumMachine([] {}, [this] { Created(); });
    if (code != 0 || FEnd.seconds == 0) return 1;
    if (FStepsOn != StepsInPattern()) {
      std::fprintf(stderr, "the grid holds %d steps of the pattern's %d\n", FStepsOn, StepsInPattern());
      return 1;
    }
    Report();
    return 0;
  }

 private:
  enum TPhase { phWaitingForPaint, phWaitingForPlay, phPlaying, phDone };

  static int StepsInPattern() {
    int steps = 0;
    for (const char* row : kPattern) steps += static_cast<int>(std::count(row, row + SongSteps, 'x'));
    return steps;
  }

  void Created() {
    FPaints.Watch(frmMain);
    TDsTimerEvent tick = frmMain->DsTimer1->OnTimer;
    frmMain->DsTimer1->OnTimer = [this, tick](TObject* sender, int lag) {
      ++FTicks;
      if (tick) tick(sender, lag);
    };
    Application->AddIdleHandler(this, [this](TObject*, bool&) { Idle(); });
  }

  Figures Now() const {
    return {UsageNow(), ThreadCpuSeconds(), FPaints.byName, FPaints.windowPaints, FPaints.controlPaints,
            FTicks,     MonotonicSeconds()};
  }

  void Idle() {
    switch (FPhase) {
      case phWaitingForPaint:
        if (FPaints.windowPaints == 0) return;
        for (int t = 1; t <= SongTracks; ++t)
          for (int s = 1; s <= SongSteps; ++s)
            if (kPattern[t - 1][s - 1] == 'x') PostClick(frmMain->Cell(t, s, false), 7, 5);
        PostClick(frmMain->StyMMButton1, 24, 12);
        FPhase = phWaitingForPlay;
        return;
      case phWaitingForPlay:
        if (!frmMain->Model.Playing) return;
        FStart = Now();
        FPhase = phPlaying;
        break;
      case phPlaying: break;
      case phDone: return;
    }
    const double elapsed = MonotonicSeconds() - FStart.seconds;
    if (elapsed < FSeconds) {
      // The loop wakes for the end even should nothing else wake it.
      Application->WakeNoLaterThan(win::clock::NowMicros() + static_cast<std::uint64_t>((FSeconds - elapsed) * 1e6) +
                                   1000);
      return;
    }
    FEnd = Now();
    FRssKiB = StatusKiB("VmRSS");
    FPeakKiB = StatusKiB("VmHWM");
    for (int t = 1; t <= SongTracks; ++t)
      for (int s = 1; s <= SongSteps; ++s) FStepsOn += frmMain->Model.Song.StepOn(s, t, 1) != 0;
    FPhase = phDone;
    frmMain->Close();
  }

  void Report() const {
    const double real = FEnd.seconds - FStart.seconds;
    const double cpu = 100 * (FEnd.usage.cpuSeconds - FStart.usage.cpuSeconds) / real;
    const char* host = std::getenv("DRUMS_HOST");
    std::printf("%-9s %10.2f %9.2f %13.1f %18.1f %6ld %15.1f %16.1f %7.1f %7.1f\n", host, cpu,
                100 * (FEnd.usage.threadCpuSeconds - FStart.usage.threadCpuSeconds) / real,
                (FEnd.usage.threadSleeps - FStart.usage.threadSleeps) / real,
                (FEnd.usage.processSleeps - FStart.usage.processSleeps) / real, FEnd.ticks - FStart.ticks,
                (FEnd.windowPaints - FStart.windowPaints) / real, (FEnd.controlPaints - FStart.controlPaints) / real,
                FRssKiB / 1024.0, FPeakKiB / 1024.0);
    // Where the time goes: the user-interface thread's share in the kernel
    // (its waits and wake-ups), each thread's share, and what painted.
    std::printf("%-9s ui thread in the kernel: %.2f%% of a core; threads, %% of a core:", "",
                100 * (FEnd.usage.threadSystemSeconds - FStart.usage.threadSystemSeconds) / real);
    for (const auto& [thread, seconds] : FEnd.threads) {
      const auto before = FStart.threads.find(thread);
      const double share = 100 * (seconds - (before == FStart.threads.end() ? 0 : before->second)) / real;
      if (share > 0) std::printf(" %s %.2f", thread.c_str(), share);
    }
    std::printf("\n%-9s paints by control:", "");
    for (const auto& [name, count] : FEnd.paints) {
      const auto before = FStart.paints.find(name);
      const long painted = count - (before == FStart.paints.end() ? 0 : before->second);
      if (painted > 0) std::printf(" %s %ld", name.c_str(), painted);
    }
    std::printf("\n%-9s under %.0f%% of a core: %s; resident memory under %.0f MiB: %s\n", "", kCpuBoundPercent,
                cpu < kCpuBoundPercent ? "yes" : "NO", kMemoryBoundMiB,
                std::max(FRssKiB, FPeakKiB) / 1024.0 < kMemoryBoundMiB ? "yes" : "NO");
  }

  const int FSeconds;
  PaintCounter FPaints;
  long FTicks = 0;
  TPhase FPhase = phWaitingForPaint;
  Figures FStart, FEnd;
  long FRssKiB = 0, FPeakKiB = 0;
  int FStepsOn = 0;
};

}  // namespace

int main(int argc, char** argv) {
  return WindowBenchMain(
      argc, argv, "--play", 60, [](int seconds) { return PlayRun(seconds).Run(); },
      [](int seconds) {
        std::printf("The drum machine playing a 12-track pattern through its message loop, %d s a row\n", seconds);
        std::printf("%-9s %10s %9s %13s %18s %6s %15s %16s %7s %7s\n", "host", "cpu_%_core", "ui_cpu_%", "ui_wakeups/s",
                    "process_wakeups/s", "steps", "window_paints/s", "control_paints/s", "rss_MiB", "hwm_MiB");
      });
}
