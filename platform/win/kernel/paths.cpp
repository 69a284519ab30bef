#include "platform/win/kernel/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace win::kernel {
namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

std::string Join(const std::string& dir, std::string_view name) {
  std::string out = dir;
  if (out.empty() || out.back() != '/') out += '/';
  out += name;
  return out;
}

// The entry of `dir` equal to `name` ignoring case; empty when none.
std::string FindIgnoringCase(const std::string& dir, std::string_view name) {
  DIR* d = opendir(dir.c_str());
  if (!d) return {};
  std::vector<std::string> matches;
  while (dirent* e = readdir(d)) {
    if (EqualsIgnoringCase(e->d_name, name)) matches.emplace_back(e->d_name);
  }
  closedir(d);
  if (matches.empty()) return {};
  return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::string CurrentDir() {
  std::vector<char> buffer(4096);
  while (!getcwd(buffer.data(), buffer.size())) {
    if (buffer.size() > (1u << 20)) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

std::string ResolvePath(std::string_view windowsPath, std::string_view baseDir) {
  std::string path(windowsPath);
  std::replace(path.begin(), path.end(), '\\', '/');
  bool absolute = false;
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
    path.erase(0, 2);
  }
  if (!path.empty() && path[0] == '/') absolute = true;

  std::vector<std::string> parts;
  auto push = [&](std::string_view from) {
    size_t start = 0;
    while (start <= from.size()) {
      size_t end = from.find('/', start);
      if (end == std::string_view::npos) end = from.size();
      std::string_view part = from.substr(start, end - start);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.emplace_back(part);
      }
      start = end + 1;
    }
  };
  if (!absolute) push(baseDir.empty() ? std::string_view(CurrentDir()) : baseDir);
  // The base is a real POSIX path: its components exist as written.
  const size_t baseCount = parts.size();
  push(path);

  std::string out = "/";
  bool searching = true;
  for (size_t i = 0; i < parts.size(); ++i) {
    std::string candidate = Join(out, parts[i]);
    if (searching && i >= baseCount && !Exists(candidate)) {
      std::string found = FindIgnoringCase(out, parts[i]);
      if (found.empty()) {
        searching = false;
      } else {
        candidate = Join(out, found);
      }
    }
    out = std::move(candidate);
  }
  return out;
}

std::string ToWindowsPath(std::string_view posixPath) {
  std::string out;
  if (!posixPath.empty() && posixPath[0] == '/') out = "C:";
  for (char c : posixPath) out += (c == '/') ? '\\' : c;
  if (out == "C:") out = "C:\\";
  return out;
}

}  // namespace win::kernel
