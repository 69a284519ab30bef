// The sound engine's speed and timing, in the optimised build (make bench).
//
// BM_MixResampledVoices: how many looping voices, each resampled (played at
//   a rate other than its own), one core mixes in real time.
// BM_StepClockIdle: a program with the step clock at 150 ms and nothing else
//   to do, run through the real message loop on the real clock with the
//   clock-driven headless audio: processor use, idle passes per second, how
//   late the ticks come, and how far apart their hits start in the mixed
//   output compared with the calls (onset error).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench/captured_onsets.h"
#include "bench/bench_program.h"
#include "platform/dsound/dsound_ext.h"
#include "platform/host/headless.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "sound/DsSounds.h"

extern "C" HRESULT DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* ds, LPUNKNOWN outer);

namespace {

double CpuSeconds(int who = RUSAGE_SELF) {
  rusage u{};
  getrusage(who, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_MixResampledVoices(benchmark::State& state) {
  host::headless::UseAudioDriver(host::headless::AudioDriver::Pulled);
  IDirectSound* device = nullptr;
  DirectSoundCreate(nullptr, &device, nullptr);
  const int voices = static_cast<int>(state.range(0));
  WAVEFORMATEX f{};
  MakePCMFormat(f, 44100, 16, 2);
  std::vector<IDirectSoundBuffer*> buffers;
  for (int v = 0; v < voices; ++v) {
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
    desc.dwBufferBytes = 44100 * 4;
    desc.lpwfxFormat = &f;
    IDirectSoundBuffer* b = nullptr;
    device->CreateSoundBuffer(&desc, &b, nullptr);
    void* p = nullptr;
    DWORD n = 0;
    b->Lock(0, desc.dwBufferBytes, &p, &n, nullptr, nullptr, 0);
    auto* s = static_cast<std::int16_t*>(p);
    for (DWORD i = 0; i < n / 2; ++i) s[i] = static_cast<std::int16_t>(3000 * std::sin(i * 0.01 + v));
    b->Unlock(p, n, nullptr, 0);
    b->SetFrequency(30000 + 97 * static_cast<DWORD>(v % 200));
    b->SetVolume(-2000);
    b->SetPan((v % 21 - 10) * 1000);
    b->Play(0, 0, DSBPLAY_LOOPING);
    buffers.push_back(b);
  }
  host::headless::RenderAudio(dsound::LatencyFrames() + 512);  // every voice sounding
  constexpr int kFrames = 4410;
  std::int64_t frames = 0;
  for (auto _ : state) {
    auto out = host::headless::RenderAudio(kFrames);
    benchmark::DoNotOptimize(out.data());
    frames += kFrames;
  }
  state.counters["audio_s_per_s"] =
      benchmark::Counter(static_cast<double>(frames) / 44100, benchmark::Counter::kIsRate);
  state.counters["realtime_voices_per_core"] =
      benchmark::Counter(static_cast<double>(frames) * voices / 44100, benchmark::Counter::kIsRate);
  for (auto* b : buffers) b->Release();
  device->Release();
}
BENCHMARK(BM_MixResampledVoices)->Arg(64)->Arg(512)->Arg(2048)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_StepClockIdle(benchmark::State& state) {
  static TForm* form = TCustomForm::CreateNew<TForm>(Application);
  host::headless::UseAudioDriver(host::headless::AudioDriver::Clock);
  const std::string capture =
      (std::filesystem::temp_directory_path() / ("sound-bench-" + std::to_string(getpid()) + ".wav")).string();
  const bool capturing = state.range(0) != 0;
  if (capturing) setenv("DRUMS_AUDIO_CAPTURE", capture.c_str(), 1);
  auto* sound = new TDsSound(form);
  sound->Initialize();
  unsetenv("DRUMS_AUDIO_CAPTURE");
  auto* list = new TDsWaveList(form);
  list->SetDsSound(sound);
  auto* click = static_cast<TWaveCollectionItem*>(list->GetItems()->Add());
  TWave* wave = click->GetWave();
  wave->SetFormatSize(sizeof(WAVEFORMATEX));
  MakePCMFormat(*static_cast<WAVEFORMATEX*>(wave->GetFormatMemory()), 44100, 16, 1);
  wave->SetSize(2 * 200);
  auto* s = static_cast<std::int16_t*>(wave->GetDataMemory());
  for (int i = 0; i < 200; ++i) s[i] = 10000;
  click->Restore();

  std::vector<std::uint64_t> calls;
  std::int64_t worstLateUs = 0;
  auto* timer = new TDsTimer(form);
  timer->SetActiveOnly(false);
  timer->SetInterval(150);
  std::uint64_t due = 0;
  timer->OnTimer = [&](TObject*, int) {
    const std::uint64_t now = win::clock::NowMicros();
    if (due)
      worstLateUs =
          std::max<std::int64_t>(worstLateUs, static_cast<std::int64_t>(now) - static_cast<std::int64_t>(due));
    due = (now / 1000 + 150) * 1000;
    calls.push_back(now);
    click->Play();
  };
  long idleCalls = 0;
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  // OnIdle runs in every idle pass beside the clock's handler: it counts them.
  Application->OnIdle = [&](TObject*, bool&) { ++idleCalls; };
  const double cpuStart = CpuSeconds();
  const double threadStart = CpuSeconds(RUSAGE_THREAD);
  const auto realStart = std::chrono::steady_clock::now();
  for (auto _ : state) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < end) Application->HandleMessage();
  }
  const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - realStart).count();
  const double cpu = (CpuSeconds() - cpuStart) / real;
  const double loopCpu = (CpuSeconds(RUSAGE_THREAD) - threadStart) / real;
  Application->OnIdle = nullptr;
  delete timer;
  delete list;
  delete sound;  // closes the audio: the capture is complete

  // Onset error: spacing of the hits in the output against the spacing of the calls.
  auto onsets = CapturedOnsets(capture);
  std::filesystem::remove(capture);
  double worstOnsetFrames = 0;
  const size_t n = std::min(onsets.size(), calls.size());
  for (size_t i = 1; i < n; ++i) {
    const double callFrames = static_cast<double>(calls[i] - calls[i - 1]) * 44100 / 1e6;
    worstOnsetFrames =
        std::max(worstOnsetFrames, std::abs(static_cast<double>(onsets[i] - onsets[i - 1]) - callFrames));
  }
  state.counters["cpu_s_per_s"] = cpu;
  state.counters["loop_cpu_s_per_s"] = loopCpu;
  state.counters["idle_calls_per_s"] = idleCalls / real;
  state.counters["ticks"] = static_cast<double>(calls.size());
  state.counters["worst_tick_late_ms"] = worstLateUs / 1000.0;
  if (!capturing) return;
  state.counters["hits_heard"] = static_cast<double>(onsets.size());
  state.counters["worst_onset_error_frames"] = worstOnsetFrames;
}
// Arg 1 records the output to measure the onsets; arg 0 leaves the capture
// file out, as a program runs.
BENCHMARK(BM_StepClockIdle)->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("DRUMS_HOST", "headless", 0);
  return RunBenchmarkProgram(argc, argv, {ppClassLibrary});
}
