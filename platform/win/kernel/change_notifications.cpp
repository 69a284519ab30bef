// Folder change notification over inotify. The handle is signalled once a
// change that passes its filter arrives and stays so until
// FindNextChangeNotification re-arms it. The inotify descriptor is what waits
// poll; its events are read and filtered when a wait checks the state.
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <map>
#include <string>

#include "platform/win/kernel/errors.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/winbase.h"

namespace {

// Enough for any real folder tree worth watching; watching "/" stops here
// instead of exhausting the user's inotify watches.
constexpr size_t kMaxWatchedFolders = 4096;

constexpr uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

uint32_t InotifyMaskFor(DWORD filter) {
  uint32_t mask = IN_ONLYDIR | IN_DONT_FOLLOW;
  // The watched folder itself deleted or moved away is a change of names
  // too: whoever lists it must learn that it is gone.
  if (filter & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME))
    mask |= kNameEvents | IN_DELETE_SELF | IN_MOVE_SELF;
  if (filter & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY)) mask |= IN_ATTRIB;
  if (filter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE)) mask |= IN_MODIFY | IN_CLOSE_WRITE;
  if (filter & FILE_NOTIFY_CHANGE_LAST_ACCESS) mask |= IN_ACCESS;
  if (filter & FILE_NOTIFY_CHANGE_CREATION) mask |= IN_CREATE | IN_MOVED_TO;
  return mask;
}

bool Passes(DWORD filter, uint32_t mask) {
  const bool isDir = (mask & IN_ISDIR) != 0;
  if ((mask & kNameEvents) && (filter & (isDir ? FILE_NOTIFY_CHANGE_DIR_NAME : FILE_NOTIFY_CHANGE_FILE_NAME)))
    return true;
  if ((mask & (IN_DELETE_SELF | IN_MOVE_SELF)) &&
      (filter & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME)))
    return true;
  if ((mask & (IN_CREATE | IN_MOVED_TO)) && (filter & FILE_NOTIFY_CHANGE_CREATION)) return true;
  if ((mask & IN_ATTRIB) && (filter & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY))) return true;
  if ((mask & (IN_MODIFY | IN_CLOSE_WRITE)) && !isDir &&
      (filter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE)))
    return true;
  if ((mask & IN_ACCESS) && !isDir && (filter & FILE_NOTIFY_CHANGE_LAST_ACCESS)) return true;
  return false;
}

class ChangeNotification : public win::kernel::Waitable {
 public:
  ChangeNotification(int fd, DWORD filter, bool subtree, dev_t device)
      : fd_(fd), filter_(filter), subtree_(subtree), device_(device) {}
  ~ChangeNotification() override { close(fd_); }

  bool Ready(long) override {
    Drain();
    return signalled_;
  }
  int PollFd() override { return fd_; }
  // Changes still queued (made after the reported one) signal again at once.
  void Rearm() { signalled_ = false; }

  // Watches `root` and, in subtree mode, the folders below it.
  bool WatchTree(const std::string& root) {
    if (!Watch(root)) return false;
    if (!subtree_) return true;
    std::deque<std::string> pending{root};
    while (!pending.empty() && folders_.size() < kMaxWatchedFolders) {
      std::string folder = pending.front();
      pending.pop_front();
      DIR* dir = opendir(folder.c_str());
      if (!dir) continue;
      while (dirent* e = readdir(dir)) {
        if (!std::strcmp(e->d_name, ".") || !std::strcmp(e->d_name, "..")) continue;
        std::string child = folder == "/" ? "/" + std::string(e->d_name) : folder + "/" + e->d_name;
        struct stat st {};
        if (lstat(child.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_dev != device_) continue;
        if (folders_.size() >= kMaxWatchedFolders) break;
        if (Watch(child)) pending.push_back(child);
      }
      closedir(dir);
    }
    return true;
  }

 private:
  bool Watch(const std::string& folder) {
    int wd = inotify_add_watch(fd_, folder.c_str(), InotifyMaskFor(filter_) | (subtree_ ? IN_CREATE | IN_MOVED_TO : 0));
    if (wd < 0) return false;
    folders_[wd] = folder;
    return true;
  }

  void Drain() {
    alignas(inotify_event) char buffer[16384];
    for (;;) {
      ssize_t got = read(fd_, buffer, sizeof buffer);
      if (got <= 0) return;
      for (char* p = buffer; p < buffer + got;) {
        auto* event = reinterpret_cast<inotify_event*>(p);
        Handle(*event);
        p += sizeof(inotify_event) + event->len;
      }
    }
  }

  void Handle(const inotify_event& event) {
    if (event.mask & IN_IGNORED) {
      folders_.erase(event.wd);
      return;
    }
    if (Passes(filter_, event.mask)) signalled_ = true;
    // A folder made (or moved in) below a subtree watch is watched too,
    // with whatever it already holds.
    if (subtree_ && (event.mask & IN_ISDIR) && (event.mask & (IN_CREATE | IN_MOVED_TO)) && event.len > 0) {
      auto parent = folders_.find(event.wd);
      if (parent != folders_.end() && folders_.size() < kMaxWatchedFolders) {
        std::string child = parent->second == "/" ? "/" + std::string(event.name) : parent->second + "/" + event.name;
        WatchTree(child);
        // Files may have landed in it before the watch existed.
        if (HasEntries(child) && (filter_ & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME)))
          signalled_ = true;
      }
    }
  }

  static bool HasEntries(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return false;
    bool any = false;
    while (dirent* e = readdir(dir)) {
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
        any = true;
        break;
      }
    }
    closedir(dir);
    return any;
  }

  int fd_;
  DWORD filter_;
  bool subtree_;
  dev_t device_;
  bool signalled_ = false;
  std::map<int, std::string> folders_;
};

}  // namespace

HANDLE FindFirstChangeNotificationA(LPCSTR lpPathName, BOOL bWatchSubtree, DWORD dwNotifyFilter) {
  if (!lpPathName || !*lpPathName || dwNotifyFilter == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::string path = win::kernel::ResolvePath(lpPathName);
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    win::kernel::SetErrorFromErrno(errno, path);
    return INVALID_HANDLE_VALUE;
  }
  if (!S_ISDIR(st.st_mode)) {
    SetLastError(ERROR_DIRECTORY);
    return INVALID_HANDLE_VALUE;
  }
  int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) {
    win::kernel::SetErrorFromErrno(errno);
    return INVALID_HANDLE_VALUE;
  }
  auto notification = std::make_shared<ChangeNotification>(fd, dwNotifyFilter, bWatchSubtree != FALSE, st.st_dev);
  // Nobody else sees the object yet, so the (possibly long) walk needs no lock.
  if (!notification->WatchTree(path)) {
    win::kernel::SetErrorFromErrno(errno, path);
    return INVALID_HANDLE_VALUE;
  }
  return win::kernel::AddHandle(notification);
}

BOOL FindNextChangeNotification(HANDLE hChangeHandle) {
  auto notification = win::kernel::FindHandleAs<ChangeNotification>(hChangeHandle);
  if (!notification) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard guard(win::kernel::WaitLock());
  notification->Rearm();
  return TRUE;
}

BOOL FindCloseChangeNotification(HANDLE hChangeHandle) {
  if (!win::kernel::FindHandleAs<ChangeNotification>(hChangeHandle)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return CloseHandle(hChangeHandle);
}
