#include "platform/win/shell/file_moves.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "platform/win/kernel/user_dirs.h"
#include "platform/win/shell/namespace_paths.h"

namespace win::shell {

namespace fs = std::filesystem;

namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

std::string NameOf(const std::string& path) {
  return fs::path(path).filename().string();
}

std::string FolderOf(const std::string& path) {
  return fs::path(path).parent_path().string();
}

bool CopyTree(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
  return !error;
}

// rename, or copy and remove across file systems.
bool Relocate(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  if (errno != EXDEV || !CopyTree(from, to)) return false;
  std::error_code error;
  fs::remove_all(from, error);
  return !error;
}

// Percent-encoding of a path for a trash info file.
std::string EncodePath(const std::string& path) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

}  // namespace

std::string FreeCopyName(const std::string& folder, const std::string& name) {
  if (!Exists(folder + "/" + name)) return name;
  for (int n = 1;; ++n) {
    const std::string candidate = n == 1 ? "Copy of " + name : "Copy (" + std::to_string(n) + ") of " + name;
    if (!Exists(folder + "/" + candidate)) return candidate;
  }
}

std::string CopyInto(const std::string& source, const std::string& folder) {
  if (!Exists(source)) return {};
  const std::string target = folder + "/" + FreeCopyName(folder, NameOf(source));
  // A folder copied into itself would never end.
  if ((target + "/").starts_with(source + "/")) return {};
  return CopyTree(source, target) ? target : std::string();
}

std::string MoveInto(const std::string& source, const std::string& folder) {
  if (!Exists(source)) return {};
  if (fs::path(FolderOf(source)) == fs::path(folder)) return source;
  const std::string target = folder + "/" + FreeCopyName(folder, NameOf(source));
  if ((target + "/").starts_with(source + "/")) return {};
  return Relocate(source, target) ? target : std::string();
}

bool MoveToTrash(const std::string& path) {
  if (!Exists(path)) return false;
  const std::string trash = DataFolder() + "/Trash";
  if (!win::kernel::MakeDirs(trash + "/files") || !win::kernel::MakeDirs(trash + "/info")) return false;
  const std::string name = NameOf(path);
  std::string entry = name;
  for (int n = 2; Exists(trash + "/files/" + entry) || Exists(trash + "/info/" + entry + ".trashinfo"); ++n)
    entry = name + "." + std::to_string(n);
  const std::string info = trash + "/info/" + entry + ".trashinfo";
  {
    char when[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%S", &local);
    std::ofstream out(info);
    out << "[Trash Info]\nPath=" << EncodePath(fs::absolute(path).string()) << "\nDeletionDate=" << when << "\n";
    if (!out) return false;
  }
  if (Relocate(path, trash + "/files/" + entry)) return true;
  std::remove(info.c_str());
  return false;
}

}  // namespace win::shell
