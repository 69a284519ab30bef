#include "platform/win/shell/volumes.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/win/drums_ext.h"

namespace win::shell {

namespace {

// Names with spaces are written as \040 in the table.
std::string Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3') {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

bool Below(const std::string& path, const std::string& folder) {
  return path == folder || path.starts_with(folder + "/");
}

bool IsPseudo(const std::string& type, const std::string& mountPoint) {
  static const std::set<std::string> pseudo = {
      "proc",    "sysfs",    "devpts", "devtmpfs",   "cgroup",    "cgroup2",     "securityfs",     "debugfs",
      "tracefs", "pstore",   "bpf",    "mqueue",     "hugetlbfs", "configfs",    "fusectl",        "binfmt_misc",
      "autofs",  "efivarfs", "nsfs",   "rpc_pipefs", "selinuxfs", "fuse.portal", "fuse.gvfsd-fuse"};
  if (pseudo.contains(type)) return true;
  if (Below(mountPoint, "/media") || Below(mountPoint, "/run/media") || Below(mountPoint, "/mnt")) return false;
  return Below(mountPoint, "/proc") || Below(mountPoint, "/sys") || Below(mountPoint, "/dev") ||
         Below(mountPoint, "/run") || Below(mountPoint, "/boot/efi") || mountPoint.starts_with("/snap/");
}

VolumeKind KindOf(const std::string& device, const std::string& type, const std::string& mountPoint) {
  if (type == "iso9660" || type == "udf") return VolumeKind::CdRom;
  if (type == "nfs" || type == "nfs4" || type == "cifs" || type == "smb3" || type == "smbfs" || type == "fuse.sshfs" ||
      type == "9p")
    return VolumeKind::Remote;
  if (type == "tmpfs" || type == "ramfs") return VolumeKind::RamDisk;
  if (Below(mountPoint, "/media") || Below(mountPoint, "/run/media")) return VolumeKind::Removable;
  if (device.starts_with("/dev/sr")) return VolumeKind::CdRom;
  return VolumeKind::Fixed;
}

}  // namespace

std::vector<Volume> VolumesFromMountTable(std::string_view table) {
  std::vector<Volume> volumes{{"/", VolumeKind::Fixed}};
  std::istringstream lines{std::string(table)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint, type;
    if (!(fields >> device >> mountPoint >> type)) continue;
    mountPoint = Unescape(mountPoint);
    if (mountPoint.empty() || mountPoint[0] != '/') continue;
    if (mountPoint == "/") {
      volumes[0].kind = KindOf(device, type, mountPoint);
      continue;
    }
    if (IsPseudo(type, mountPoint)) continue;
    // A later mount on the same point hides the earlier one.
    std::erase_if(volumes, [&](const Volume& v) { return v.mountPoint == mountPoint; });
    volumes.push_back({mountPoint, KindOf(device, type, mountPoint)});
  }
  return volumes;
}

std::vector<Volume> MountedVolumes() {
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  return VolumesFromMountTable(text.str());
}

}  // namespace win::shell

namespace win::user {

std::vector<std::string> MountedVolumePaths() {
  std::vector<std::string> paths;
  for (const win::shell::Volume& v : win::shell::MountedVolumes()) paths.push_back(v.mountPoint);
  return paths;
}

}  // namespace win::user
