// An eventfd that is readable exactly while a flag is set: the descriptor a
// waitable object offers to poll.
#pragma once

namespace win::kernel {

class SignalFd {
 public:
  SignalFd();
  ~SignalFd();
  SignalFd(const SignalFd&) = delete;
  SignalFd& operator=(const SignalFd&) = delete;

  void Set();
  void Clear();
  bool IsSet() const { return set_; }
  int Fd() const { return fd_; }

 private:
  int fd_;
  bool set_ = false;
};

}  // namespace win::kernel
