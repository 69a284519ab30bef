// What a program playing a pattern costs while it waits between steps, on
// each host. The step clock (TDsTimer at 125 ms: sixteenths at 120 beats a
// minute) plays a four-track pattern through the DirectSound stand-in on every
// tick, driven by the class library's message loop, for 60 s (or as many
// seconds as the first argument says). Each host runs in a process of its own,
// since a process chooses its host once: headless, then SDL on the X display
// that DISPLAY names (start the bench under `xvfb-run -a`); each without a
// window and with the form shown. Both hosts play through the clock-driven
// stand-in for a sound card (SDL's silent audio driver), so that they differ
// in nothing but the host.
//
// A row: processor time of the whole process as a percentage of one core
// (getrusage), the user-interface thread's wake-ups a second (its voluntary
// context switches: each sleep that ended), the whole process's, and the
// ticks played.
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

#include "platform/vcl/Controls.h"
#include "platform/vcl/Forms.h"
#include "sound/DsSounds.h"

namespace {

struct Usage {
  double cpuSeconds = 0;
  long threadSleeps = 0;
  long processSleeps = 0;
};

Usage UsageNow() {
  rusage self{}, thread{};
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_THREAD, &thread);
  Usage u;
  u.cpuSeconds = static_cast<double>(self.ru_utime.tv_sec + self.ru_stime.tv_sec) +
                 static_cast<double>(self.ru_utime.tv_usec + self.ru_stime.tv_usec) / 1e6;
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
  vcl::InitControls();
  InitApplication();
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
  std::printf("%-9s %-7s %12.2f %14.1f %19.1f %7ld\n", hostName, window ? "shown" : "none",
              100 * (stop.cpuSeconds - start.cpuSeconds) / real, (stop.threadSleeps - start.threadSleeps) / real,
              (stop.processSleeps - start.processSleeps) / real, ticks);
  std::fflush(stdout);
  delete clock;
  delete tracks;
  delete sound;
  return 0;
}

// Runs this program again for one host and waits for it.
void RunInChild(const char* hostName, bool window, int seconds) {
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("DRUMS_HOST", hostName, 1);
    setenv("DRUMS_HEADLESS_AUDIO", "clock", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string secondsText = std::to_string(seconds);
    execl("/proc/self/exe", "host_wait_bench", "--play", window ? "shown" : "none", secondsText.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::printf("%-9s %-7s failed\n", hostName, window ? "shown" : "none");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--play") == 0)
    return PlayPattern(std::getenv("DRUMS_HOST"), std::strcmp(argv[2], "shown") == 0, std::atoi(argv[3]));
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  std::printf("Step clock at 125 ms playing four tracks through the real message loop, %d s a row\n", seconds);
  std::printf("%-9s %-7s %12s %14s %19s %7s\n", "host", "window", "cpu_%_core", "ui_wakeups/s", "process_wakeups/s",
              "ticks");
  for (const bool window : {false, true}) {
    RunInChild("headless", window, seconds);
    if (std::getenv("DISPLAY"))
      RunInChild("sdl", window, seconds);
    else
      std::printf("%-9s %-7s skipped: no DISPLAY (run under xvfb-run -a)\n", "sdl", window ? "shown" : "none");
  }
  return 0;
}
