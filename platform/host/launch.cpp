#include "platform/host/launch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace host {

bool LaunchDetached(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  // Everything the child needs is prepared before fork: after it, only
  // async-signal-safe calls are allowed in a threaded program.
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const int devnull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);

  const pid_t middle = ::fork();
  if (middle < 0) {
    ::close(report[0]);
    ::close(report[1]);
    if (devnull >= 0) ::close(devnull);
    return false;
  }
  if (middle == 0) {
    // The middle process exits at once, so the helper is adopted by init
    // and the program has nothing to reap but the middle one.
    const pid_t helper = ::fork();
    if (helper != 0) ::_exit(helper < 0 ? 127 : 0);
    ::setsid();
    sigset_t all;
    sigemptyset(&all);
    ::sigprocmask(SIG_SETMASK, &all, nullptr);
    if (devnull >= 0) ::dup2(devnull, 0);
    // No descriptor of the program (sound device, X connection, files)
    // lives on in the helper.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    ::execvp(args[0], args.data());
    const int error = errno;
    (void)!::write(report[1], &error, sizeof error);
    ::_exit(127);
  }
  ::close(report[1]);
  if (devnull >= 0) ::close(devnull);
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {}
  // The pipe closes without data when exec succeeded.
  int error = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

bool OpenUrlWithDesktop(const std::string& url) {
  if (url.empty() || url[0] == '-') return false;
  return LaunchDetached({"xdg-open", url});
}

}  // namespace host
