#include "platform/win/kernel/signal_fd.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace win::kernel {

SignalFd::SignalFd() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

SignalFd::~SignalFd() {
  if (fd_ >= 0) close(fd_);
}

void SignalFd::Set() {
  if (set_) return;
  set_ = true;
  const std::uint64_t one = 1;
  ssize_t n = write(fd_, &one, sizeof one);
  (void)n;
}

void SignalFd::Clear() {
  if (!set_) return;
  set_ = false;
  std::uint64_t value = 0;
  ssize_t n = read(fd_, &value, sizeof value);
  (void)n;
}

}  // namespace win::kernel
