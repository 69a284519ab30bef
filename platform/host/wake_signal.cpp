#include "platform/host/wake_signal.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>

namespace host {

WakeSignal::WakeSignal() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
  if (fd_ < 0) throw std::runtime_error("no descriptor for the event loop's wake-up");
}

WakeSignal::~WakeSignal() {
  ::close(fd_);
}

void WakeSignal::Raise() {
  const std::uint64_t one = 1;
  // Fails only when the counter is full, which is raised all the same.
  [[maybe_unused]] const ssize_t n = ::write(fd_, &one, sizeof one);
}

bool WakeSignal::Take() {
  std::uint64_t count = 0;
  return ::read(fd_, &count, sizeof count) == sizeof count && count > 0;
}

}  // namespace host
