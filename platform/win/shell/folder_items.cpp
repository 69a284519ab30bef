#include "platform/win/shell/folder_items.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "platform/win/shell/namespace_paths.h"
#include "platform/win/shell/volumes.h"

namespace win::shell {

namespace {

bool IsHidden(const std::string& name) {
  return name.size() > 1 && name[0] == '.';
}

bool IsFolderPath(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The owner's write bit decides, as for the read-only attribute of files, and
// the process must be allowed to write too.
bool IsWritable(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) && access(path.c_str(), W_OK) == 0;
}

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return path.substr(0, slash);
}

template <class Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (!visit(name)) return;
  }
}

Items EntriesOf(const std::string& folder, SHCONTF flags) {
  Items items;
  ForEachEntry(folder, [&](const std::string& name) {
    if (IsHidden(name) && !(flags & SHCONTF_INCLUDEHIDDEN)) return true;
    const bool isFolder = IsFolderPath(folder + "/" + name);
    if (isFolder ? (flags & SHCONTF_FOLDERS) : (flags & SHCONTF_NONFOLDERS))
      items.push_back({isFolder ? ItemKind::Folder : ItemKind::File, name});
    return true;
  });
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.name < b.name; });
  return items;
}

bool HasSubfolder(const std::string& folder) {
  bool found = false;
  ForEachEntry(folder, [&](const std::string& name) {
    found = !IsHidden(name) && IsFolderPath(folder + "/" + name);
    return !found;
  });
  return found;
}

int Rank(const Item& item) {
  switch (item.kind) {
    case ItemKind::MyComputer: return 0;
    case ItemKind::Home: return 1;
    case ItemKind::Volume: return 2;
    case ItemKind::Folder: return 3;
    case ItemKind::File: return 4;
  }
  return 5;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareNames(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char x = static_cast<unsigned char>(Lower(a[i]));
    const unsigned char y = static_cast<unsigned char>(Lower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  // Names that differ only in case are still two items.
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string ExtensionOf(const std::string& name) {
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot + 1);
}

template <class T>
int Order(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareColumn(const std::optional<std::string>& pathA, const std::optional<std::string>& pathB, const Item& a,
                  const Item& b, int column) {
  if (column == 2) return CompareNames(ExtensionOf(a.name), ExtensionOf(b.name));
  if (column != 1 && column != 3) return 0;
  struct stat sa {
  }, sb{};
  const bool hasA = pathA && stat(pathA->c_str(), &sa) == 0;
  const bool hasB = pathB && stat(pathB->c_str(), &sb) == 0;
  if (hasA != hasB) return hasA ? 1 : -1;
  if (!hasA) return 0;
  if (column == 1) return a.IsFolder() ? 0 : Order(sa.st_size, sb.st_size);
  return Order(std::pair(sa.st_mtim.tv_sec, sa.st_mtim.tv_nsec), std::pair(sb.st_mtim.tv_sec, sb.st_mtim.tv_nsec));
}

int CompareItem(const Items& folder, const Items& prefixA, const Items& prefixB, const Item& a, const Item& b,
                int column) {
  if (const int rank = Order(Rank(a), Rank(b))) return rank;
  if (a.kind == ItemKind::Volume) {
    // The root volume leads; the others follow by mount point.
    if ((a.name == "/") != (b.name == "/")) return a.name == "/" ? -1 : 1;
    return CompareNames(a.name, b.name);
  }
  if (a.IsVirtual()) return 0;
  if (column != 0) {
    const int byColumn = CompareColumn(PathOf(folder, prefixA), PathOf(folder, prefixB), a, b, column);
    if (byColumn) return byColumn;
  }
  return CompareNames(a.name, b.name);
}

}  // namespace

Items ChildrenOf(const Items& folder, SHCONTF flags) {
  Items children;
  if (folder.empty()) {
    if (flags & SHCONTF_FOLDERS) {
      children.push_back({ItemKind::MyComputer, {}});
      children.push_back({ItemKind::Home, {}});
    }
    Items entries = EntriesOf(DesktopFolder(), flags);
    children.insert(children.end(), entries.begin(), entries.end());
    return children;
  }
  if (folder.size() == 1 && folder[0].kind == ItemKind::MyComputer) {
    if (flags & SHCONTF_FOLDERS) {
      for (const Volume& volume : MountedVolumes())
        children.push_back({ItemKind::Volume, volume.mountPoint, volume.kind});
    }
    return children;
  }
  const std::optional<std::string> path = PathOf(folder);
  return path ? EntriesOf(*path, flags) : children;
}

SFGAOF AttributesOf(const Items& folder, const Items& relative) {
  if (relative.empty()) return SFGAO_FOLDER | SFGAO_FILESYSANCESTOR | SFGAO_HASSUBFOLDER;
  const Item& item = relative.back();
  if (item.kind == ItemKind::MyComputer) return SFGAO_FOLDER | SFGAO_FILESYSANCESTOR | SFGAO_HASSUBFOLDER;
  const std::optional<std::string> path = PathOf(folder, relative);
  if (!path) return 0;

  SFGAOF attributes = SFGAO_FILESYSTEM | SFGAO_CANCOPY | SFGAO_CANLINK | SFGAO_HASPROPSHEET;
  if (item.IsFolder()) {
    attributes |= SFGAO_FOLDER | SFGAO_FILESYSANCESTOR | SFGAO_STORAGE;
    if (HasSubfolder(*path)) attributes |= SFGAO_HASSUBFOLDER;
  } else {
    attributes |= SFGAO_STREAM;
  }
  if (item.IsFolder() && IsWritable(*path)) attributes |= SFGAO_DROPTARGET;
  if (item.kind == ItemKind::Volume) {
    if (item.volume == VolumeKind::Removable || item.volume == VolumeKind::CdRom) attributes |= SFGAO_REMOVABLE;
    return attributes;
  }
  if (item.kind == ItemKind::Home) return attributes;

  struct stat own {};
  const bool exists = lstat(path->c_str(), &own) == 0;
  if (exists && S_ISLNK(own.st_mode)) attributes |= SFGAO_LINK;
  if (exists && !(own.st_mode & S_IWUSR) && !S_ISLNK(own.st_mode)) attributes |= SFGAO_READONLY;
  if (IsWritable(ParentOf(*path))) attributes |= SFGAO_CANMOVE | SFGAO_CANRENAME | SFGAO_CANDELETE;
  if (IsHidden(item.name)) attributes |= SFGAO_HIDDEN | SFGAO_GHOSTED;
  return attributes;
}

int CompareItems(const Items& folder, const Items& a, const Items& b, int column) {
  const std::size_t common = std::min(a.size(), b.size());
  Items prefixA, prefixB;
  for (std::size_t i = 0; i < common; ++i) {
    prefixA.push_back(a[i]);
    prefixB.push_back(b[i]);
    if (const int order = CompareItem(folder, prefixA, prefixB, a[i], b[i], column)) return order;
  }
  return Order(a.size(), b.size());
}

}  // namespace win::shell
