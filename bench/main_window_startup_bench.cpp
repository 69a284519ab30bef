// How long the drum machine takes from its start to its first painted main
// window, with the Soft Synth kit loaded and the saved skin applied, on the
// headless host. Each start is a fresh process of this program (the same
// entry as prj_mallowen: RunProgram, the title, the main form, the message
// loop), forked and timed on the monotonic clock that parent and child share:
//   exec     fork to the child's main (the program loaded and linked),
//   parts    to the host and the program's libraries started,
//   created  to the main form made (its form read, FormCreate with the kit),
//   shown    to FormShow done (the skin applied),
//   painted  to the first idle pass of the loop after the window was shown:
//            the queue is empty and no window waits for a paint, so every
//            part of the window has been painted once.
// A row per saved skin scheme (line 15 of "Recent.inf"): the median of the
// runs (the first argument: how many, 15 by default) and the slowest one, in
// milliseconds from the fork; the median processor time of the child up to
// its first paint (less bent by a busy machine than the elapsed time); and
// the window and control paints of the first paint. The first start of each
// row is not counted: it brings the files into the cache.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/main_window_program.h"

namespace {

using namespace mainwindowbench;

constexpr double kBoundMs = 300;

// The child: one start of the program in the program folder `folder`, its
// times on one line.
int StartOnce(const char* folder, int schemeIndex) {
  const double mainSeconds = MonotonicSeconds();
  fs::current_path(folder);
  double partsSeconds = 0, createdSeconds = 0, shownSeconds = 0, paintedSeconds = 0, cpuSeconds = 0;
  PaintCounter paints;
  std::string verdict = "ok";
  // The first idle pass after the window was shown and painted.
  auto painted = [&](TObject*, bool&) {
    if (shownSeconds == 0 || paints.windowPaints == 0) return;
    paintedSeconds = MonotonicSeconds();
    cpuSeconds = UsageNow().cpuSeconds;
    Application->RemoveIdleHandler(&paints);
    // What the start should have brought: the kit on the tracks and in the
    // status bar, and the saved skin.
    if (frmMain->StatusBar1->GetPanels()->GetItem(1)->GetText() != "Soft Synth kit" ||
        frmMain->TrackWaveLists[1]->GetItems()->GetCount() == 0)
      verdict = "no-kit";
    else if (frmMain->SchemeIndex() != schemeIndex)
      verdict = "no-skin";
    Application->Terminate();
  };
  auto created = [&] {
    createdSeconds = MonotonicSeconds();
    paints.Watch(frmMain);
    TNotifyEvent formShow = frmMain->OnShow;
    frmMain->OnShow = [formShow, &shownSeconds](TObject* sender) {
      if (formShow) formShow(sender);
      shownSeconds = MonotonicSeconds();
    };
    Application->AddIdleHandler(&paints, painted);
  };
  const int code = RunDrumMachine([&] { partsSeconds = MonotonicSeconds(); }, created);
  if (code != 0 || paintedSeconds == 0) return 1;
  std::printf(
      "main=%.6f parts=%.6f created=%.6f shown=%.6f painted=%.6f cpu=%.6f window_paints=%ld control_paints=%ld %s\n",
      mainSeconds, partsSeconds, createdSeconds, shownSeconds, paintedSeconds, cpuSeconds, paints.windowPaints,
      paints.controlPaints, verdict.c_str());
  return 0;
}

std::map<std::string, std::string> Fields(const std::string& line) {
  std::map<std::string, std::string> fields;
  std::istringstream words(line);
  for (std::string word; words >> word;) {
    const auto equals = word.find('=');
    if (equals == std::string::npos)
      fields["verdict"] = word;
    else
      fields[word.substr(0, equals)] = word.substr(equals + 1);
  }
  return fields;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--start") == 0) return StartOnce(argv[2], std::atoi(argv[3]));
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const char* phases[] = {"main", "parts", "created", "shown", "painted"};
  std::printf("Start-up to the first painted main window, headless host, median of %d starts (ms from the fork)\n",
              runs);
  std::printf("%-16s %7s %7s %8s %7s %8s %9s %8s %14s %15s\n", "scheme", "exec", "parts", "created", "shown", "painted",
              "slowest", "cpu_ms", "window_paints", "control_paints");
  bool allUnder = true;
  // The saved scheme and the index of the scheme box it selects.
  const std::pair<const char*, const char*> schemes[] = {{"", "0"}, {"Green Circles", "1"}, {"Generic Silver", "2"}};
  for (const auto& [scheme, schemeIndex] : schemes) {
    std::map<std::string, std::vector<double>> times;
    std::string paints[2];
    std::string failure;
    RunFolder folder(scheme);
    // One start first that is not counted: it brings the files into the cache.
    for (int run = -1; run < runs && failure.empty(); ++run) {
      Child child({"--start", folder.Path().string(), schemeIndex},
                  {"DRUMS_HOST=headless", "DRUMS_HEADLESS_AUDIO=clock"});
      const double forked = child.StartSeconds();
      const std::string line = child.Finish();
      auto fields = Fields(line);
      if (line.empty() || fields["verdict"] != "ok") {
        failure = line.empty() ? "the program did not start" : fields["verdict"];
        break;
      }
      if (run < 0) continue;
      for (const char* phase : phases) times[phase].push_back(1000 * (std::atof(fields[phase].c_str()) - forked));
      times["cpu"].push_back(1000 * std::atof(fields["cpu"].c_str()));
      paints[0] = fields["window_paints"];
      paints[1] = fields["control_paints"];
    }
    const char* name = *scheme ? scheme : "(none: default)";
    if (!failure.empty()) {
      std::printf("%-16s failed: %s\n", name, failure.c_str());
      allUnder = false;
      continue;
    }
    const double slowest = *std::max_element(times["painted"].begin(), times["painted"].end());
    std::printf("%-16s %7.1f %7.1f %8.1f %7.1f %8.1f %9.1f %8.1f %14s %15s\n", name, Median(times["main"]),
                Median(times["parts"]), Median(times["created"]), Median(times["shown"]), Median(times["painted"]),
                slowest, Median(times["cpu"]), paints[0].c_str(), paints[1].c_str());
    allUnder = allUnder && Median(times["painted"]) < kBoundMs;
  }
  std::printf("median start-up under %.0f ms: %s\n", kBoundMs, allUnder ? "yes" : "NO");
  return 0;
}
