#include "platform/vcl/rtl/FileSystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <vector>

#include "platform/vcl/rtl/DateTime.h"
#include "platform/vcl/rtl/FileNames.h"
#include "platform/vcl/rtl/NativePath.h"

using vcl::rtl::NativePath;

namespace {

bool Stat(const std::string& nativeName, struct stat& st) {
  return ::stat(nativeName.c_str(), &st) == 0;
}

int PackDosTime(std::time_t t) {
  std::tm tm{};
  ::localtime_r(&t, &tm);
  int date = ((tm.tm_year - 80) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday;
  int time = (tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2);
  return (date << 16) | time;
}

int AttrOf(const std::string& native, const std::string& name, const struct stat& st) {
  int attr = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
  if (!name.empty() && name[0] == '.' && name != "." && name != "..") attr |= faHidden;
  if (::access(native.c_str(), W_OK) != 0) attr |= faReadOnly;
  return attr;
}

bool Matches(const char* pattern, const char* name) {
  for (; *pattern; ++pattern, ++name) {
    if (*pattern == '*') {
      for (const char* rest = name;; ++rest) {
        if (Matches(pattern + 1, rest)) return true;
        if (!*rest) return false;
      }
    }
    if (!*name) return false;
    if (*pattern != '?' &&
        std::toupper(static_cast<unsigned char>(*pattern)) != std::toupper(static_cast<unsigned char>(*name)))
      return false;
  }
  return !*name;
}

bool MatchesMask(const std::string& mask, const std::string& name) {
  if (mask == "*.*" || mask == "*") return true;
  // "name." asks for names without an extension.
  if (!mask.empty() && mask.back() == '.' && name.find('.') == std::string::npos)
    return Matches(mask.substr(0, mask.size() - 1).c_str(), name.c_str());
  return Matches(mask.c_str(), name.c_str());
}

}  // namespace

struct TSearchState {
  std::string folder;  // native, with trailing "/"
  std::string mask;
  std::vector<std::string> names;
  std::size_t next = 0;
};

bool FileExists(const std::string& fileName) {
  struct stat st;
  return Stat(NativePath(fileName), st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& name) {
  struct stat st;
  return Stat(NativePath(name), st) && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& name) {
  return ::mkdir(NativePath(name).c_str(), 0777) == 0;
}
bool RemoveDir(const std::string& name) {
  return ::rmdir(NativePath(name).c_str()) == 0;
}

bool ForceDirectories(const std::string& name) {
  if (name.empty()) return false;
  if (DirectoryExists(name)) return true;
  std::string dir = ExcludeTrailingPathDelimiter(name);
  std::string parent = ExtractFileDir(dir);
  if (!parent.empty() && parent != dir && !ForceDirectories(parent)) return false;
  return CreateDir(dir) || DirectoryExists(dir);
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
  std::string from = NativePath(oldName);
  std::string to = NativePath(newName);
  if (to == from) {
    // The same file in another case: rename to the name as written.
    to = to.substr(0, to.rfind('/') + 1) + ExtractFileName(newName);
    if (to == from) return true;
  } else {
    struct stat st;
    if (Stat(to, st)) return false;  // the library does not replace an existing file
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool DeleteFile(const std::string& fileName) {
  std::string native = NativePath(fileName);
  struct stat st;
  if (!Stat(native, st) || S_ISDIR(st.st_mode)) return false;
  return ::unlink(native.c_str()) == 0;
}

std::string GetCurrentDir() {
  char buf[4096];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

bool SetCurrentDir(const std::string& name) {
  return ::chdir(NativePath(name).c_str()) == 0;
}

int FileAge(const std::string& fileName) {
  struct stat st;
  std::string native = NativePath(fileName);
  if (!Stat(native, st) || S_ISDIR(st.st_mode)) return -1;
  return PackDosTime(st.st_mtime);
}

double FileDateToDateTime(int fileDate) {
  unsigned date = static_cast<unsigned>(fileDate) >> 16;
  unsigned time = static_cast<unsigned>(fileDate) & 0xFFFF;
  TDateTime d = 0, t = 0;
  if (!TryEncodeDate(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 15),
                     static_cast<int>(date & 31), d))
    return 0;
  TryEncodeTime(static_cast<int>(time >> 11), static_cast<int>((time >> 5) & 63), static_cast<int>((time & 31) * 2), 0,
                t);
  return d + t;
}

int DateTimeToFileDate(double dateTime) {
  unsigned short y, m, d, h, n, s, ms;
  DecodeDate(dateTime, y, m, d);
  DecodeTime(dateTime, h, n, s, ms);
  if (y < 1980 || y > 2107) return 0;  // outside what the packed form holds
  int date = ((y - 1980) << 9) | (m << 5) | d;
  int time = (h << 11) | (n << 5) | (s / 2);
  return (date << 16) | time;
}

int FileGetAttr(const std::string& fileName) {
  std::string native = NativePath(fileName);
  struct stat st;
  if (!Stat(native, st)) return -1;
  return AttrOf(native, ExtractFileName(native), st);
}

namespace {

// Fills f from the state's next acceptable entry; 18 when none is left.
int FindMatching(TSearchRec& f) {
  TSearchState& s = *f.FindHandle;
  while (s.next < s.names.size()) {
    const std::string& name = s.names[s.next++];
    if (!MatchesMask(s.mask, name)) continue;
    std::string native = s.folder + name;
    struct stat st;
    if (!Stat(native, st)) continue;
    int attr = AttrOf(native, name, st);
    if (attr & f.ExcludeAttr) continue;
    f.Name = name;
    f.Attr = attr;
    f.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
    f.Time = PackDosTime(st.st_mtime);
    return 0;
  }
  return 18;
}

}  // namespace

int FindFirst(const std::string& path, int attr, TSearchRec& f) {
  FindClose(f);
  std::string folder = ExtractFilePath(path);
  std::string mask = ExtractFileName(path);
  std::string native = folder.empty() ? std::string(".") : NativePath(folder);
  DIR* dir = ::opendir(native.c_str());
  if (!dir) return 3;
  auto state = std::make_shared<TSearchState>();
  state->folder = native.empty() || native.back() == '/' ? native : native + "/";
  state->mask = mask;
  while (dirent* e = ::readdir(dir)) {
    std::string name = e->d_name;
    // The root has no "." and "..", as on Windows.
    if ((name == "." || name == "..") && state->folder == "/") continue;
    state->names.push_back(name);
  }
  ::closedir(dir);
  std::sort(state->names.begin(), state->names.end());
  f.ExcludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
  f.FindHandle = std::move(state);
  int result = FindMatching(f);
  if (result == 18) {
    FindClose(f);
    return 2;  // nothing matched: file not found
  }
  return result;
}

int FindNext(TSearchRec& f) {
  if (!f.FindHandle) return 6;
  return FindMatching(f);
}

void FindClose(TSearchRec& f) {
  f.FindHandle.reset();
}
