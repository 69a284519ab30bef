// Volumes mounted or unmounted become WM_DEVICECHANGE for the top-level
// windows. The mount table (/proc/self/mountinfo) is polled without waiting
// whenever the queue looks for input; a change there marks POLLPRI.
#pragma once

#include <string>
#include <vector>

namespace win::user {

void PollVolumes();
// Reads the mount table again and broadcasts what changed.
void CheckVolumes();
// Tests: compares a new list of mount points with the last one and
// broadcasts the arrivals and removals.
void VolumesChanged(const std::vector<std::string>& mountPoints);

}  // namespace win::user
