// Runs a write in a child process whose file-size limit is too small for
// it, so the write fails midway even for the superuser.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kernel_test {

// True when `write` reported failure in the limited child.
inline bool FailsUnderFileSizeLimit(rlim_t limitBytes, const std::function<bool()>& write) {
  pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    rlimit limit{limitBytes, limitBytes};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(write() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

}  // namespace kernel_test
