#include "platform/win/commdlg/file_paths.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

#include "platform/win/winbase.h"

namespace win::commdlg {
namespace {

bool IsSep(char c) {
  return c == '\\' || c == '/';
}

bool Wild(const char* p, const char* s) {
  for (; *p; p++, s++) {
    if (*p == '*') {
      while (p[1] == '*') p++;
      for (const char* t = s;; t++) {
        if (Wild(p + 1, t)) return true;
        if (!*t) return false;
      }
    }
    if (!*s) return false;
    if (*p != '?' && std::tolower(static_cast<unsigned char>(*p)) != std::tolower(static_cast<unsigned char>(*s)))
      return false;
  }
  return !*s;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return IsSep(folder.back()) ? folder + name : folder + "\\" + name;
}

std::string ParentFolder(const std::string& folder) {
  std::string f = folder;
  while (f.size() > 3 && IsSep(f.back())) f.pop_back();
  size_t cut = f.find_last_of("\\/");
  if (cut == std::string::npos) return f;
  if (cut <= 2) return f.substr(0, cut + 1);  // "C:\"
  return f.substr(0, cut);
}

std::string FolderPart(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return "";
  return cut <= 2 ? path.substr(0, cut + 1) : path.substr(0, cut);
}

std::string NamePart(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool IsAbsolutePath(const std::string& path) {
  return (!path.empty() && IsSep(path[0])) || (path.size() >= 2 && path[1] == ':');
}

std::string FullPath(const std::string& path) {
  char buf[MAX_PATH * 4];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  return n && n < sizeof buf ? std::string(buf, n) : path;
}

bool IsFolder(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool MatchesMasks(const std::string& name, const std::string& masks) {
  size_t start = 0;
  while (start <= masks.size()) {
    size_t end = masks.find(';', start);
    if (end == std::string::npos) end = masks.size();
    std::string mask = masks.substr(start, end - start);
    mask.erase(0, mask.find_first_not_of(' '));
    while (!mask.empty() && mask.back() == ' ') mask.pop_back();
    if (!mask.empty()) {
      if (mask == "*.*" || mask == "*") return true;
      if (Wild(mask.c_str(), name.c_str())) return true;
    }
    start = end + 1;
  }
  return false;
}

void ListFolder(const std::string& folder, bool hidden, std::vector<std::string>& folders,
                std::vector<std::string>& files) {
  folders.clear();
  files.clear();
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(JoinPath(folder, "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    if (!hidden && (name[0] == '.' || (fd.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN))) continue;
    (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? folders : files).push_back(name);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  auto byName = [](const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) < 0; };
  std::sort(folders.begin(), folders.end(), byName);
  std::sort(files.begin(), files.end(), byName);
}

std::vector<std::pair<std::string, std::string>> ParseFilter(const char* filter) {
  std::vector<std::pair<std::string, std::string>> pairs;
  if (!filter) return pairs;
  const char* p = filter;
  while (*p) {
    std::string desc = p;
    p += desc.size() + 1;
    std::string mask = p;
    p += mask.size() + 1;
    pairs.emplace_back(desc, mask);
    if (mask.empty()) break;
  }
  return pairs;
}

}  // namespace win::commdlg
