#include "platform/win/shell/namespace_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/win/kernel/paths.h"
#include "platform/win/kernel/user_dirs.h"
#include "platform/win/shell/volumes.h"

namespace win::shell {

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

// The value of XDG_DESKTOP_DIR in user-dirs.dirs, with $HOME expanded.
std::string XdgDesktopDir() {
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty()) config = Join(HomeFolder(), ".config");
  std::ifstream in(Join(config, "user-dirs.dirs"));
  std::string line;
  const std::string key = "XDG_DESKTOP_DIR=";
  while (std::getline(in, line)) {
    if (!line.starts_with(key)) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.starts_with("$HOME")) value = HomeFolder() + value.substr(5);
    if (!value.empty() && value[0] == '/') return value;
  }
  return {};
}

std::vector<std::string> SplitNames(std::string_view path) {
  std::vector<std::string> names;
  std::string name;
  auto flush = [&] {
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    name.clear();
  };
  for (char c : path) {
    if (c == '/' || c == '\\')
      flush();
    else
      name += c;
  }
  flush();
  return names;
}

}  // namespace

std::string HomeFolder() {
  std::string home = Env("HOME");
  if (home.empty()) {
    if (const passwd* entry = getpwuid(getuid())) home = entry->pw_dir;
  }
  return home.empty() ? "/" : home;
}

std::string DesktopFolder() {
  std::string desktop = XdgDesktopDir();
  if (desktop.empty()) desktop = Join(HomeFolder(), "Desktop");
  // A fresh home may have none yet; the desktop is where drops and new
  // folders land, so it is made on first use.
  win::kernel::MakeDirs(desktop);
  return desktop;
}

std::string ConfigFolder() {
  std::string config = Env("XDG_CONFIG_HOME");
  return config.empty() ? Join(HomeFolder(), ".config") : config;
}

std::string DataFolder() {
  std::string data = Env("XDG_DATA_HOME");
  return data.empty() ? Join(HomeFolder(), ".local/share") : data;
}

std::string SendToFolder() {
  std::string folder = Join(win::kernel::UserDir(), "SendTo");
  win::kernel::MakeDirs(folder);
  return folder;
}

std::optional<std::string> PathOf(const Items& absolute) {
  if (absolute.empty()) return DesktopFolder();
  std::string path;
  std::size_t next = 1;
  switch (absolute[0].kind) {
    case ItemKind::MyComputer:
      if (absolute.size() < 2 || absolute[1].kind != ItemKind::Volume) return std::nullopt;
      path = absolute[1].name;
      next = 2;
      break;
    case ItemKind::Home: path = HomeFolder(); break;
    case ItemKind::Volume: return std::nullopt;
    case ItemKind::Folder:
    case ItemKind::File:
      path = DesktopFolder();
      next = 0;
      break;
  }
  for (std::size_t i = next; i < absolute.size(); ++i) {
    if (absolute[i].IsVirtual() || absolute[i].kind == ItemKind::Volume) return std::nullopt;
    path = Join(path, absolute[i].name);
  }
  return path;
}

std::optional<std::string> PathOf(const Items& folder, const Items& relative) {
  Items all = folder;
  all.insert(all.end(), relative.begin(), relative.end());
  return PathOf(all);
}

HRESULT ParseAbsolutePath(std::string_view path, Items* out) {
  out->clear();
  if (path == kMyComputerParsingName) {
    out->push_back({ItemKind::MyComputer, {}});
    return S_OK;
  }
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
                     (path.size() == 2 || path[2] == '\\' || path[2] == '/');
  if (drive)
    path.remove_prefix(2);
  else if (path.empty() || (path[0] != '/' && path[0] != '\\'))
    return E_INVALIDARG;
  const std::vector<std::string> names = SplitNames(path);

  // The volume whose mount point covers the most leading names.
  Volume best{"/", VolumeKind::Fixed};
  std::size_t covered = 0;
  for (const Volume& volume : MountedVolumes()) {
    const std::vector<std::string> mount = SplitNames(volume.mountPoint);
    if (mount.size() < covered || mount.size() > names.size()) continue;
    if (!std::equal(mount.begin(), mount.end(), names.begin())) continue;
    if (volume.mountPoint == "/" && covered > 0) continue;
    best = volume;
    covered = mount.size();
  }
  out->push_back({ItemKind::MyComputer, {}});
  out->push_back({ItemKind::Volume, best.mountPoint, best.kind});

  std::string walked = best.mountPoint;
  for (std::size_t i = covered; i < names.size(); ++i) {
    walked = Join(walked, names[i]);
    struct stat info {};
    if (lstat(walked.c_str(), &info) != 0) {
      out->clear();
      const bool last = i + 1 == names.size();
      return HRESULT_FROM_WIN32(last ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
    }
    struct stat target {};
    const bool folder = S_ISDIR(info.st_mode) || (stat(walked.c_str(), &target) == 0 && S_ISDIR(target.st_mode));
    out->push_back({folder ? ItemKind::Folder : ItemKind::File, names[i]});
  }
  return S_OK;
}

std::string LastName(const std::string& posixPath) {
  const std::size_t slash = posixPath.find_last_of('/');
  return slash == std::string::npos || slash + 1 == posixPath.size() ? posixPath : posixPath.substr(slash + 1);
}

std::string ShownPath(const std::string& posixPath) {
  return win::kernel::ToWindowsPath(posixPath);
}

}  // namespace win::shell
