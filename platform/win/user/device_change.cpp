#include "platform/win/user/device_change.h"

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <set>
#include <sstream>
#include <unistd.h>

#include "platform/win/drums_ext.h"
#include "platform/win/user/window.h"
#include "platform/win/user/wm_state.h"

namespace win::user {
namespace {

std::vector<std::string> ReadMountPoints() {
  std::vector<std::string> out;
  std::ifstream in("/proc/self/mountinfo");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string id, parent, dev, root, mountPoint;
    fields >> id >> parent >> dev >> root >> mountPoint;
    if (!mountPoint.empty()) out.push_back(mountPoint);
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

// Unit masks name drive letters; only C exists here, so every volume is
// reported as drive D onwards by its place in the sorted list of mounts.
DWORD UnitMaskFor(const std::string& mountPoint, const std::vector<std::string>& all) {
  auto it = std::find(all.begin(), all.end(), mountPoint);
  int index = it == all.end() ? 0 : static_cast<int>(it - all.begin());
  return 1u << (3 + index % 23);
}

void Broadcast(WPARAM event, DWORD unitMask) {
  DEV_BROADCAST_VOLUME v{};
  v.dbcv_size = sizeof v;
  v.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  v.dbcv_unitmask = unitMask;
  v.dbcv_flags = 0;
  for (const WindowRef& t : RefsOf(TopLevels()))
    if (t) SendMessageA(t.Handle(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&v));
}

}  // namespace

void VolumesChanged(const std::vector<std::string>& now) {
  std::vector<std::string> sorted = now;
  std::sort(sorted.begin(), sorted.end());
  std::vector<std::string> before = WM().knownVolumes;
  WM().knownVolumes = sorted;
  WM().knownVolumesRead = true;
  for (const std::string& m : sorted)
    if (!std::binary_search(before.begin(), before.end(), m)) Broadcast(DBT_DEVICEARRIVAL, UnitMaskFor(m, sorted));
  for (const std::string& m : before)
    if (!std::binary_search(sorted.begin(), sorted.end(), m))
      Broadcast(DBT_DEVICEREMOVECOMPLETE, UnitMaskFor(m, before));
}

namespace {

// Broadcasts the event for a mount point, numbered as if it were known.
void AnnounceVolumeEvent(WPARAM event, const std::string& mountPoint) {
  std::vector<std::string> all = WM().knownVolumes;
  if (!std::binary_search(all.begin(), all.end(), mountPoint))
    all.insert(std::upper_bound(all.begin(), all.end(), mountPoint), mountPoint);
  Broadcast(event, UnitMaskFor(mountPoint, all));
}

}  // namespace

void AnnounceVolumeArrival(const std::string& mountPoint) {
  AnnounceVolumeEvent(DBT_DEVICEARRIVAL, mountPoint);
}

void AnnounceVolumeRemoval(const std::string& mountPoint) {
  AnnounceVolumeEvent(DBT_DEVICEREMOVECOMPLETE, mountPoint);
}

void CheckVolumes() {
  if (!WM().knownVolumesRead) {
    WM().knownVolumes = ReadMountPoints();
    WM().knownVolumesRead = true;
    return;
  }
  VolumesChanged(ReadMountPoints());
}

void PollVolumes() {
  if (WM().mountInfoFd == -2) {
    WM().mountInfoFd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    CheckVolumes();
  }
  if (WM().mountInfoFd < 0) return;
  pollfd p{WM().mountInfoFd, POLLPRI, 0};
  if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLPRI | POLLERR))) {
    // Reading the file again clears the change mark.
    ::lseek(WM().mountInfoFd, 0, SEEK_SET);
    char buffer[4096];
    while (::read(WM().mountInfoFd, buffer, sizeof buffer) > 0) {}
    CheckVolumes();
  }
}

}  // namespace win::user
