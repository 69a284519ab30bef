// Mutexes. Ownership (waiting, ReleaseMutex, recursion) works between the
// threads of one process. A named mutex also exists once per user of the
// machine: each process holding it keeps a shared flock on a lock file in the
// runtime folder, so a creator that cannot get the lock exclusively knows
// another process has it.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <map>
#include <string>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/signal_fd.h"
#include "platform/win/kernel/user_dirs.h"
#include "platform/win/winbase.h"

namespace {

class Mutex : public win::kernel::Waitable {
 public:
  explicit Mutex(int lockFd) : lockFd_(lockFd) { free_.Set(); }
  ~Mutex() override {
    if (lockFd_ >= 0) close(lockFd_);  // drops the flock
  }
  bool Ready(long tid) override { return owner_ == 0 || owner_ == tid; }
  void Acquire(long tid) override {
    owner_ = tid;
    ++count_;
    free_.Clear();
  }
  int PollFd() override { return free_.Fd(); }
  bool Release(long tid) {
    if (owner_ != tid) return false;
    if (--count_ == 0) {
      owner_ = 0;
      free_.Set();
    }
    return true;
  }

 private:
  int lockFd_;
  long owner_ = 0;
  int count_ = 0;
  win::kernel::SignalFd free_;
};

std::mutex& NamesLock() {
  static std::mutex* lock = new std::mutex;
  return *lock;
}

std::map<std::string, std::weak_ptr<Mutex>>& Names() {
  static auto* names = new std::map<std::string, std::weak_ptr<Mutex>>;
  return *names;
}

std::string LockFileName(const std::string& name) {
  std::string safe;
  for (char c : name) safe += (c == '/' || c == '\\' || c == '\0') ? '_' : c;
  return win::kernel::RuntimeDir() + "/mutex-" + safe + ".lock";
}

// Opens and share-locks the lock file; `existed` tells whether another
// process held it. -1 when the file cannot be made.
int OpenLockFile(const std::string& name, bool& existed) {
  int fd = open(LockFileName(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  existed = flock(fd, LOCK_EX | LOCK_NB) != 0;
  flock(fd, LOCK_SH);
  return fd;
}

}  // namespace

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL bInitialOwner, LPCSTR lpName) {
  std::string name = lpName ? lpName : "";
  std::lock_guard guard(NamesLock());
  if (!name.empty()) {
    if (auto existing = Names()[name].lock()) {
      SetLastError(ERROR_ALREADY_EXISTS);
      return win::kernel::AddHandle(existing);
    }
  }
  bool existed = false;
  int fd = -1;
  if (!name.empty()) {
    fd = OpenLockFile(name, existed);
    if (fd < 0) {
      SetLastError(ERROR_ACCESS_DENIED);
      return nullptr;
    }
  }
  auto mutex = std::make_shared<Mutex>(fd);
  if (bInitialOwner && !existed) {
    std::lock_guard waitGuard(win::kernel::WaitLock());
    mutex->Acquire(win::kernel::CurrentTid());
  }
  if (!name.empty()) Names()[name] = mutex;
  HANDLE handle = win::kernel::AddHandle(mutex);
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL ReleaseMutex(HANDLE hMutex) {
  auto mutex = win::kernel::FindHandleAs<Mutex>(hMutex);
  if (!mutex) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard guard(win::kernel::WaitLock());
  if (!mutex->Release(win::kernel::CurrentTid())) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  return TRUE;
}
