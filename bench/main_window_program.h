// The whole drum machine for the benchmarks that measure it: the program
// started as its own entry starts it (RunProgram, the title, the main form,
// the message loop), in a program folder of the benchmark's own, with
// counters beside it: the window's paints, the step clock's ticks, the
// processor time and wake-ups, the resident memory. Each measurement runs in a
// process of its own (a process chooses its host once, and a start-up is only
// a start-up once): the benchmark runs itself again with a mode argument and
// reads the child's one line of figures back through a pipe.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "drummachine/mallowen/ProgramForms.h"
#include "drummachine/mallowen/mallowen.h"
#include "drummachine/startup/ProgramEntry.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Forms.h"

namespace mainwindowbench {

namespace fs = std::filesystem;

// CLOCK_MONOTONIC in seconds: one clock for a parent and its children.
inline double MonotonicSeconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Processor time and sleeps of the process and of the calling thread.
struct Usage {
  double cpuSeconds = 0;
  double threadCpuSeconds = 0;
  double threadSystemSeconds = 0;
  long threadSleeps = 0;
  long processSleeps = 0;
};

inline double CpuSeconds(const rusage& u) {
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

inline Usage UsageNow() {
  rusage self{}, thread{};
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_THREAD, &thread);
  const double threadSystem =
      static_cast<double>(thread.ru_stime.tv_sec) + static_cast<double>(thread.ru_stime.tv_usec) / 1e6;
  return {CpuSeconds(self), CpuSeconds(thread), threadSystem, thread.ru_nvcsw, self.ru_nvcsw};
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 when missing.
inline long StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field + ":", 0) == 0) return std::atol(line.c_str() + field.size() + 1);
  return 0;
}

// Processor seconds of each thread of the process, from /proc/self/task,
// keyed by its name and id ("ui" for the user-interface thread, which is the
// process's first).
inline std::map<std::string, double> ThreadCpuSeconds() {
  std::map<std::string, double> seconds;
  const double tick = static_cast<double>(sysconf(_SC_CLK_TCK));
  for (const auto& task : fs::directory_iterator("/proc/self/task")) {
    std::ifstream stat(task.path() / "stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto open = text.find('('), close = text.rfind(')');
    if (open == std::string::npos || close == std::string::npos) continue;
    std::istringstream rest(text.substr(close + 2));
    std::string field;
    // After the name: the state and ten more fields, then utime and stime.
    for (int i = 0; i < 11; ++i) rest >> field;
    double user = 0, system = 0;
    rest >> user >> system;
    const std::string id = task.path().filename().string();
    const std::string key = id == std::to_string(getpid()) ? "ui" : text.substr(open + 1, close - open - 1) + "/" + id;
    seconds[key] = (user + system) / tick;
  }
  return seconds;
}

// The built program folder: DRUMS_PROGRAM_DIR, else the "program" folder
// beside the benchmarks' own ("<build>/bench/x" -> "<build>/program").
inline fs::path BuiltProgramFolder() {
  if (const char* dir = std::getenv("DRUMS_PROGRAM_DIR"); dir && *dir) return dir;
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "program";
}

// A program folder of the run's own: the built data folders linked in, and a
// "Recent.inf" naming the skin scheme (line 15) with the tips off, since a
// tips box at start would wait for a person. Removed with the object.
class RunFolder {
 public:
  explicit RunFolder(const std::string& scheme) {
    const fs::path built = BuiltProgramFolder();
    if (!fs::is_directory(built / "kits")) throw std::runtime_error("no built kits in " + built.string());
    std::string pattern = (fs::temp_directory_path() / "drums-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    FPath = pattern;
    for (const char* data : {"kits", "skins", "help files", "drum patterns"})
      if (fs::exists(built / data)) fs::create_directory_symlink(built / data, FPath / data);
    std::ofstream recent(FPath / "Recent.inf", std::ios::binary);
    for (int line = 0; line < 14; ++line) recent << "\r\n";
    recent << scheme << "\r\n0\r\n";
  }
  ~RunFolder() {
    std::error_code ignored;
    fs::remove_all(FPath, ignored);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  const fs::path& Path() const { return FPath; }

 private:
  fs::path FPath;
};

// Counts the paints of every control of a form and of the form itself, by
// wrapping their window procedures: a WM_PAINT without a device context is
// the window manager's paint of a window; one with a context is a control
// painted inside its parent's paint (a graphic control, or a double-buffered
// window's inner pass).
struct PaintCounter {
  long windowPaints = 0;
  long controlPaints = 0;
  // Paints of either kind by the name of the control (the form's own name
  // for the form).
  std::map<std::string, long> byName;

  void Watch(TCustomForm* form) {
    Wrap(form);
    for (int i = 0; i < form->GetComponentCount(); ++i)
      if (auto* control = dynamic_cast<TControl*>(form->GetComponents(i))) Wrap(control);
  }

 private:
  void Wrap(TControl* control) {
    TWndMethod inner = control->WindowProc;
    if (!inner) inner = [control](TMessage& m) { control->Dispatch(m); };
    control->WindowProc = [this, inner, name = control->GetName()](TMessage& m) {
      if (m.Msg == WM_PAINT) {
        ++(m.WParam == 0 ? windowPaints : controlPaints);
        ++byName[name];
      }
      inner(m);
    };
  }
};

// Runs the drum machine as prj_mallowen's entry does, with `begun` called
// once the host and the program's parts have started, and `created` between
// the main form's creation and the message loop (it may hook what it
// measures). Returns the program's exit code.
inline int RunDrumMachine(const std::function<void()>& begun, const std::function<void()>& created) {
  return RunProgram(MallowenStartup(), [&] {
    begun();
    Application->Initialize();
    Application->SetTitle(MallowenTitle);
    CreateMallowenForms();
    created();
    Application->Run();
    return 0;
  });
}

// A left click at client point (x, y) of a control, posted to the window
// under it as the window manager would post it, so that it goes through the
// message loop.
inline void PostClick(TControl* control, int x, int y) {
  HWND window = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    window = windowed->GetHandle();
  } else {
    window = control->GetParent()->GetHandle();
    x += control->GetLeft();
    y += control->GetTop();
  }
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Runs this benchmark again as a child with `arguments` and the environment
// settings `environment` ("NAME=value"); returns what it wrote to standard
// output, or "" when it failed.
class Child {
 public:
  Child(const std::vector<std::string>& arguments, const std::vector<std::string>& environment) {
    std::fflush(stdout);
    // Started by its own path, so that its threads carry its name.
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    int fds[2];
    if (pipe(fds) != 0) return;
    FStartSeconds = MonotonicSeconds();
    FPid = fork();
    if (FPid == 0) {
      dup2(fds[1], STDOUT_FILENO);
      close(fds[0]);
      close(fds[1]);
      for (const std::string& setting : environment) putenv(strdup(setting.c_str()));
      std::vector<char*> argv{program_invocation_short_name};
      for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(self.c_str(), argv.data());
      _exit(127);
    }
    close(fds[1]);
    FOutput = fds[0];
  }

  // Its output once it has ended; "" when it did not end well.
  std::string Finish() {
    std::string text;
    char buffer[512];
    for (ssize_t n; FOutput >= 0 && (n = read(FOutput, buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    if (FOutput >= 0) close(FOutput);
    int status = 0;
    if (FPid < 0 || waitpid(FPid, &status, 0) != FPid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    return text;
  }

  // When it was forked (MonotonicSeconds).
  double StartSeconds() const { return FStartSeconds; }

 private:
  pid_t FPid = -1;
  int FOutput = -1;
  double FStartSeconds = 0;
};

// Runs this benchmark again with the arguments `mode`, a program folder and
// `seconds`, at the same time on the headless host and, when there is a
// display, on the SDL host, so that both meet the same load of the machine;
// each in a program folder of its own, with sound through the clock-driven
// stand-in for a sound card. Prints what each wrote, headless first.
inline void RunOnEachHost(const std::string& mode, int seconds) {
  std::vector<std::string> hosts{"headless"};
  if (std::getenv("DISPLAY")) hosts.push_back("sdl");
  std::vector<std::unique_ptr<RunFolder>> folders;
  std::vector<std::unique_ptr<Child>> children;
  for (const std::string& host : hosts) {
    folders.push_back(std::make_unique<RunFolder>(""));
    children.push_back(std::make_unique<Child>(
        std::vector<std::string>{mode, folders.back()->Path().string(), std::to_string(seconds)},
        std::vector<std::string>{"DRUMS_HOST=" + host, "DRUMS_HEADLESS_AUDIO=clock", "SDL_AUDIODRIVER=dummy"}));
  }
  for (std::size_t i = 0; i < hosts.size(); ++i) {
    const std::string lines = children[i]->Finish();
    std::fputs(lines.empty() ? (hosts[i] + " failed\n").c_str() : lines.c_str(), stdout);
  }
  if (hosts.size() < 2) std::printf("%-9s skipped: no DISPLAY (run under xvfb-run -a)\n", "sdl");
}

// No desktop (make bench): runs this program once more on a virtual one,
// so that the SDL host has a display. Returns only when it cannot.
inline void RunOnVirtualDisplayIfNeeded(int argc, char** argv) {
  if (std::getenv("DISPLAY") || std::getenv("DRUMS_BENCH_ON_XVFB")) return;
  setenv("DRUMS_BENCH_ON_XVFB", "1", 1);
  // xvfb-run starts the path it is given: this program's own, not
  // "/proc/self/exe", which would name the shell that xvfb-run is.
  std::string self = fs::read_symlink("/proc/self/exe").string();
  std::vector<char*> args{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
                          const_cast<char*>("-screen 0 1280x1024x24"), self.data()};
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  args.push_back(nullptr);
  execvp("xvfb-run", args.data());
}

// A window benchmark's entry: called as "<mode> <folder> <seconds>" it is
// one measured run (run(seconds) in that program folder); otherwise it
// prints its heading (header(seconds), the seconds from the first argument
// or defaultSeconds) and runs itself once on each host.
inline int WindowBenchMain(int argc, char** argv, const char* mode, int defaultSeconds,
                           const std::function<int(int)>& run, const std::function<void(int)>& header) {
  if (argc == 4 && std::strcmp(argv[1], mode) == 0) {
    fs::current_path(argv[2]);
    return run(std::atoi(argv[3]));
  }
  RunOnVirtualDisplayIfNeeded(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : defaultSeconds;
  header(seconds);
  RunOnEachHost(mode, seconds);
  return 0;
}

}  // namespace mainwindowbench
