// A wake-up for a thread that sleeps in poll(2): another thread (or a signal
// handler) raises it, and the sleeper's descriptor stays readable until the
// sleeper takes it. Raises before the sleep are kept, several count as one.
#pragma once

namespace host {

class WakeSignal {
 public:
  WakeSignal();  // throws std::runtime_error when the kernel gives no descriptor
  ~WakeSignal();
  WakeSignal(const WakeSignal&) = delete;
  WakeSignal& operator=(const WakeSignal&) = delete;

  // Readable (POLLIN) while raised.
  int Fd() const { return fd_; }
  // Any thread; async-signal-safe.
  void Raise();
  // True when raised since the last Take; clears it.
  bool Take();

 private:
  int fd_ = -1;
};

}  // namespace host
