// FindFirstFileA / FindNextFileA: the folder is read once, sorted ignoring
// case, and handed out entry by entry.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "platform/win/kernel/errors.h"
#include "platform/win/kernel/file_attributes.h"
#include "platform/win/kernel/filetime.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/kernel/wildcard.h"
#include "platform/win/winbase.h"

namespace {

class FindSearch : public win::kernel::Object {
 public:
  std::mutex lock;  // guards next
  std::string folder;
  std::vector<std::string> names;
  size_t next = 0;
};

std::string Lowered(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

void Fill(const std::string& folder, const std::string& name, LPWIN32_FIND_DATAA data) {
  std::memset(data, 0, sizeof *data);
  std::string path = folder == "/" ? "/" + name : folder + "/" + name;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) lstat(path.c_str(), &st);  // a dangling link shows as itself
  data->dwFileAttributes = win::kernel::AttributesOf(name, st);
  data->ftCreationTime = win::kernel::FileTimeFromTimespec(st.st_mtim);
  data->ftLastAccessTime = win::kernel::FileTimeFromTimespec(st.st_atim);
  data->ftLastWriteTime = win::kernel::FileTimeFromTimespec(st.st_mtim);
  if (!S_ISDIR(st.st_mode)) {
    std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data->nFileSizeLow = static_cast<DWORD>(size);
  }
  // A longer name is cut rather than overrun the fixed field.
  std::strncpy(data->cFileName, name.c_str(), MAX_PATH - 1);
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
  if (!lpFileName || !lpFindFileData) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::string spec = lpFileName;
  size_t cut = spec.find_last_of("\\/");
  if (cut == std::string::npos && spec.size() >= 2 && spec[1] == ':') cut = 1;
  std::string folderPart = cut == std::string::npos ? std::string() : spec.substr(0, cut + 1);
  std::string pattern = cut == std::string::npos ? spec : spec.substr(cut + 1);
  if (pattern.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::string folder = win::kernel::ResolvePath(folderPart.empty() ? "." : folderPart);
  DIR* dir = opendir(folder.c_str());
  if (!dir) {
    SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                     : win::kernel::ErrorFromErrno(errno, folder));
    return INVALID_HANDLE_VALUE;
  }
  std::vector<std::string> entries;
  while (dirent* e = readdir(dir)) {
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) entries.emplace_back(e->d_name);
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    std::string la = Lowered(a), lb = Lowered(b);
    return la != lb ? la < lb : a < b;
  });
  if (folder != "/") entries.insert(entries.begin(), {".", ".."});

  auto search = std::make_shared<FindSearch>();
  search->folder = folder;
  for (auto& name : entries)
    if (win::kernel::MatchesWildcard(pattern, name)) search->names.push_back(name);
  if (search->names.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  Fill(folder, search->names[0], lpFindFileData);
  search->next = 1;
  SetLastError(ERROR_SUCCESS);
  return win::kernel::AddHandle(search);
}

BOOL FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData) {
  auto search = win::kernel::FindHandleAs<FindSearch>(hFindFile);
  if (!search || !lpFindFileData) {
    SetLastError(search ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard guard(search->lock);
  if (search->next >= search->names.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  Fill(search->folder, search->names[search->next++], lpFindFileData);
  return TRUE;
}

BOOL FindClose(HANDLE hFindFile) {
  if (!win::kernel::FindHandleAs<FindSearch>(hFindFile)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return CloseHandle(hFindFile);
}
