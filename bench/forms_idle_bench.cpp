// Processor use of an application whose idle handler never reports "done":
// the loop should sleep until the next millisecond of the clock, not spin.
// Counters: idle calls per real second and processor seconds per real second.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

#include "bench/bench_program.h"
#include "platform/vcl/Forms.h"

namespace {

double ProcessCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_IdleNotDone(benchmark::State& state) {
  long calls = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    ++calls;
    done = false;
  };
  const double cpuStart = ProcessCpuSeconds();
  const auto realStart = std::chrono::steady_clock::now();
  for (auto _ : state) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
    while (std::chrono::steady_clock::now() < end) Application->HandleMessage();
  }
  const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - realStart).count();
  state.counters["idle_calls_per_s"] = calls / real;
  state.counters["cpu_s_per_s"] = (ProcessCpuSeconds() - cpuStart) / real;
  Application->OnIdle = nullptr;
}
BENCHMARK(BM_IdleNotDone)->Iterations(8)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarkProgram(argc, argv, {ppClassLibrary});
}
