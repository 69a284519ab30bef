// What a program playing a pattern costs while it waits between steps, on
// each host. The step clock (TDsTimer at 125 ms: sixteenths at 120 beats a
// minute) plays a four-track pattern through the DirectSound stand-in on every
// tick, driven by the class library's message loop, for 60 s (or as many
// seconds as the first argument says). Each host runs in a process of its own,
// since a process chooses its host once: headless, and at the same time SDL
// on the X display that DISPLAY names (with none, the bench runs itself
// again under `xvfb-run -a`); first without a window, then with the form
// shown. Both hosts play through the clock-driven stand-in for a sound card
// (SDL's silent audio driver), so that they differ in nothing but the host.
//
// A row: processor time of the whole process as a percentage of one core
// (getrusage), the user-interface thread's share of it, that thread's
// wake-ups a second (its voluntary context switches: each sleep that ended),
// the whole process's, and the ticks played.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "drummachine/startup/ProgramEntry.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Forms.h"
#include "sound/DsSounds.h"

namespace {

struct Usage {
  double cpuSeconds = 0;
  double threadCpuSeconds = 0;
  long threadSleeps = 0;
  long processSleeps = 0;
};

double CpuSeconds(const rusage& u) {
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

Usage UsageNow() {
  rusage self{}, thread{};
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_THREAD, &thread);
  Usage u;
  u.cpuSeconds = CpuSeconds(self);
  u.threadCpuSeconds = CpuSeconds(thread);
  u.threadSleeps = thread.ru_nvcsw;
  u.processSleeps = self.ru_nvcsw;
  return u;
}

// A short decaying tone, a different pitch for each track.
void FillTone(TWave& wave, double hz) {
  constexpr int kFrames = 4410;
  wave.SetFormatSize(sizeof(WAVEFORMATEX));
  MakePCMFormat(*static_cast<WAVEFORMATEX*>(wave.GetFormatMemory()), 44100, 16, 1);
  wave.SetSize(kFrames * 2);
  auto* s = static_cast<std::int16_t*>(wave.GetDataMemory());
  for (int i = 0; i < kFrames; ++i)
    s[i] = static_cast<std::int16_t>(8000 * std::exp(-5.0 * i / kFrames) * std::sin(2 * M_PI * hz * i / 44100));
}

// One host, one process: plays the pattern and prints its row.
int PlayPattern(const char* hostName, bool window, int seconds) {
  Application->Initialize();
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  if (window) {
    form->SetBounds(40, 40, 320, 200);
    form->Show();
  }
  auto* sound = new TDsSound(form);
  sound->Initialize();
  auto* tracks = new TDsWaveList(form);
  tracks->SetDsSound(sound);
  const double pitches[] = {60, 180, 440, 1200};
  std::vector<TWaveCollectionItem*> items;
  for (double hz : pitches) {
    auto* item = static_cast<TWaveCollectionItem*>(tracks->GetItems()->Add());
    FillTone(*item->GetWave(), hz);
    item->Restore();
    items.push_back(item);
  }
  // Which tracks sound on each of the sixteen steps.
  const char* pattern[] = {"x...x...x...x...", "....x.......x...", "x.x.x.x.x.x.x.x.", "..x...x...x...xx"};
  long ticks = 0;
  auto* clock = new TDsTimer(form);
  clock->SetActiveOnly(false);
  clock->SetInterval(125);
  clock->OnTimer = [&](TObject*, int) {
    for (size_t t = 0; t < items.size(); ++t)
      if (pattern[t][ticks % 16] == 'x') items[t]->Play();
    ++ticks;
  };
  // Enabled from the start, but only a form's loading starts it: restart it.
  clock->SetEnabled(false);
  clock->SetEnabled(true);

  const Usage start = UsageNow();
  const auto realStart = std::chrono::steady_clock::now();
  const auto end = realStart + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) Application->HandleMessage();
  const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - realStart).count();
  const Usage stop = UsageNow();
  std::printf(
      "%-9s %-7s %12.2f %10.2f %14.1f %19.1f %7ld\n", hostName, window ? "shown" : "none",
      100 * (stop.cpuSeconds - start.cpuSeconds) / real, 100 * (stop.threadCpuSeconds - start.threadCpuSeconds) / real,
      (stop.threadSleeps - start.threadSleeps) / real, (stop.processSleeps - start.processSleeps) / real, ticks);
  std::fflush(stdout);
  delete clock;
  delete tracks;
  delete sound;
  return 0;
}

// This program again, playing on one host; its row comes back through a pipe.
struct Player {
  const char* hostName;
  bool window;
  pid_t pid = -1;
  int row = -1;
};

void Start(Player& p, int seconds) {
  std::fflush(stdout);
  int fds[2];
  if (pipe(fds) != 0) return;
  p.pid = fork();
  if (p.pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    setenv("DRUMS_HOST", p.hostName, 1);
    setenv("DRUMS_HEADLESS_AUDIO", "clock", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string secondsText = std::to_string(seconds);
    execl("/proc/self/exe", "host_wait_bench", "--play", p.window ? "shown" : "none", secondsText.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  p.row = fds[0];
}

void Finish(Player& p) {
  std::string row;
  char buffer[256];
  for (ssize_t n; p.row >= 0 && (n = read(p.row, buffer, sizeof buffer)) > 0;) row.append(buffer, n);
  if (p.row >= 0) close(p.row);
  int status = 0;
  if (p.pid < 0 || waitpid(p.pid, &status, 0) != p.pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || row.empty())
    row = std::string(p.hostName) + " failed\n";
  std::fputs(row.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--play") == 0)
    return RunProgram({TProgramParts{ppClassLibrary, ppSoundClasses}, {}}, [&] {
      return PlayPattern(std::getenv("DRUMS_HOST"), std::strcmp(argv[2], "shown") == 0, std::atoi(argv[3]));
    });
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  if (!std::getenv("DISPLAY")) {
    // No desktop (make bench): once more on a virtual one.
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0 && !std::getenv("DRUMS_BENCH_ON_XVFB")) {
      self[n] = 0;
      setenv("DRUMS_BENCH_ON_XVFB", "1", 1);
      const std::string secondsText = std::to_string(seconds);
      execlp("xvfb-run", "xvfb-run", "-a", self, secondsText.c_str(), static_cast<char*>(nullptr));
    }
  }
  std::printf("Step clock at 125 ms playing four tracks through the real message loop, %d s a row\n", seconds);
  std::printf("%-9s %-7s %12s %10s %14s %19s %7s\n", "host", "window", "cpu_%_core", "ui_cpu_%", "ui_wakeups/s",
              "process_wakeups/s", "ticks");
  // The two hosts play side by side, so that both meet the same load of
  // the machine.
  for (const bool window : {false, true}) {
    std::vector<Player> players{{"headless", window}};
    if (std::getenv("DISPLAY")) players.push_back({"sdl", window});
    for (Player& p : players) Start(p, seconds);
    for (Player& p : players) Finish(p);
    if (players.size() < 2)
      std::printf("%-9s %-7s skipped: no DISPLAY (run under xvfb-run -a)\n", "sdl", window ? "shown" : "none");
  }
  return 0;
}
