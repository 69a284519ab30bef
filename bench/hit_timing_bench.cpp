// How steadily hits sound through the mixer on the real clock while the
// machine is busy (make bench).
//
// BM_HitsUnderLoad: hits called 137 to 163 ms apart for 20 s, with the
// clock-driven headless audio (10 ms blocks, whose thread wakes late and
// catches up in bunches when the cores are busy) and `arg` busy threads a
// core. The output is captured and each hit's onset read from it:
//   worst_spacing_error_frames  how far two hits' spacing in the output lies
//                               outside what their calls allow (each call
//                               timed from just before to just after Play),
//                               at worst
//   p99_spacing_error_frames    the same, for 99 of 100 pairs
//   latency_spread_ms           how much the time from call to sound wanders
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "bench/captured_onsets.h"
#include "platform/dsound/dsound.h"
#include "platform/host/headless.h"
#include "platform/host/host.h"
#include "platform/win/drums_ext.h"

extern "C" HRESULT DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* ds, LPUNKNOWN outer);

namespace {

IDirectSoundBuffer* Click(IDirectSound* device) {
  WAVEFORMATEX f{};
  f.wFormatTag = WAVE_FORMAT_PCM;
  f.nChannels = 1;
  f.nSamplesPerSec = 44100;
  f.wBitsPerSample = 16;
  f.nBlockAlign = 2;
  f.nAvgBytesPerSec = 44100 * 2;
  DSBUFFERDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwBufferBytes = 2 * 200;
  desc.lpwfxFormat = &f;
  IDirectSoundBuffer* b = nullptr;
  device->CreateSoundBuffer(&desc, &b, nullptr);
  void* p = nullptr;
  DWORD n = 0;
  b->Lock(0, desc.dwBufferBytes, &p, &n, nullptr, nullptr, 0);
  std::fill_n(static_cast<std::int16_t*>(p), n / 2, std::int16_t{10000});
  b->Unlock(p, n, nullptr, 0);
  return b;
}

void BM_HitsUnderLoad(benchmark::State& state) {
  std::atomic<bool> stop{false};
  std::vector<std::thread> busy;
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  for (unsigned i = 0; i < cores * static_cast<unsigned>(state.range(0)); ++i)
    busy.emplace_back([&stop] {
      volatile unsigned spin = 0;
      while (!stop.load(std::memory_order_relaxed)) spin = spin + 1;
    });

  host::headless::UseAudioDriver(host::headless::AudioDriver::Clock);
  const std::string capture =
      (std::filesystem::temp_directory_path() / ("hit-timing-" + std::to_string(getpid()) + ".wav")).string();
  setenv("DRUMS_AUDIO_CAPTURE", capture.c_str(), 1);
  IDirectSound* device = nullptr;
  DirectSoundCreate(nullptr, &device, nullptr);
  unsetenv("DRUMS_AUDIO_CAPTURE");
  IDirectSoundBuffer* click = Click(device);

  // Each Play's clock time lies between the two taken around it.
  std::vector<std::uint64_t> before, after;
  unsigned seed = 1;
  for (auto _ : state) {
    auto next = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    const auto end = next + std::chrono::seconds(20);
    while (next < end) {
      std::this_thread::sleep_until(next);
      click->Stop();
      click->SetCurrentPosition(0);
      before.push_back(win::clock::NowMicros());
      click->Play(0, 0, 0);
      after.push_back(win::clock::NowMicros());
      seed = seed * 1103515245u + 12345u;
      next += std::chrono::microseconds(137'000 + (seed >> 8) % 26'001);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  click->Release();
  device->Release();
  host::Shutdown();  // the capture is complete, and the next run gets a file of its own
  stop = true;
  for (auto& t : busy) t.join();

  const auto onsets = CapturedOnsets(capture);
  std::filesystem::remove(capture);
  // A pair's error counts only what lies outside the spacings its calls allow.
  std::vector<double> errors;
  std::vector<double> latencies;
  const size_t n = std::min(onsets.size(), before.size());
  auto frames = [](std::uint64_t from, std::uint64_t to) {
    return (static_cast<double>(to) - static_cast<double>(from)) * 44100 / 1e6;
  };
  for (size_t i = 0; i < n; ++i) {
    latencies.push_back(static_cast<double>(onsets[i]) / 44.1 - static_cast<double>(before[i] - before[0]) / 1000);
    if (i == 0) continue;
    const double heard = static_cast<double>(onsets[i] - onsets[i - 1]);
    const double least = frames(after[i - 1], before[i]);
    const double most = frames(before[i - 1], after[i]);
    errors.push_back(heard < least ? least - heard : heard > most ? heard - most : 0);
  }
  std::sort(errors.begin(), errors.end());
  state.counters["hits_called"] = static_cast<double>(before.size());
  state.counters["hits_heard"] = static_cast<double>(onsets.size());
  if (errors.empty()) return;
  state.counters["worst_spacing_error_frames"] = errors.back();
  state.counters["p99_spacing_error_frames"] = errors[errors.size() * 99 / 100];
  const auto [low, high] = std::minmax_element(latencies.begin(), latencies.end());
  state.counters["latency_spread_ms"] = *high - *low;
}
BENCHMARK(BM_HitsUnderLoad)->Arg(0)->Arg(3)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("DRUMS_HOST", "headless", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
