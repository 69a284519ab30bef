#include "drummachine/startup/ProgramEntry.h"

#include <cerrno>
#include <cstdio>
#include <exception>

#include "platform/host/host.h"

namespace {

// Stops the program's parts however the body ends.
struct TProgramRun {
  explicit TProgramRun(const TProgramStartup& startup) { StartProgram(startup); }
  ~TProgramRun() { StopProgram(); }
  TProgramRun(const TProgramRun&) = delete;
  TProgramRun& operator=(const TProgramRun&) = delete;
};

}  // namespace

int RunProgram(const TProgramStartup& startup, const std::function<int()>& body) {
  int code = 1;
  try {
    host::Get();
    TProgramRun run(startup);
    code = body();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, error.what());
  } catch (...) {
    std::fprintf(stderr, "%s: an unknown exception ended the program\n", program_invocation_short_name);
  }
  host::Shutdown();
  return code;
}
