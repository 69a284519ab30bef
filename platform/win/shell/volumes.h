// The volumes "My Computer" shows: "/" first, then the real mounts of the
// mount table in its order, pseudo file systems left out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win/shell/item_ids.h"

namespace win::shell {

struct Volume {
  std::string mountPoint;
  VolumeKind kind = VolumeKind::Fixed;
};

// Reads /proc/self/mounts on every call.
std::vector<Volume> MountedVolumes();
// The same from the text of a mount table (fstab layout, octal escapes).
std::vector<Volume> VolumesFromMountTable(std::string_view table);

}  // namespace win::shell
