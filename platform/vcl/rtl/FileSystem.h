// File-system routines of the library. Names may use "\" or "/" and are
// found even when they differ only in case (see NativePath).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;  // names starting with "."
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

bool FileExists(const std::string& fileName);  // a file, not a folder
bool DirectoryExists(const std::string& name);
bool CreateDir(const std::string& name);
bool RemoveDir(const std::string& name);
// Creates every missing folder of the path; false when one cannot be made.
bool ForceDirectories(const std::string& name);
bool RenameFile(const std::string& oldName, const std::string& newName);
bool DeleteFile(const std::string& fileName);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& name);

// Last write time as a packed DOS date-time (local time), -1 when missing.
int FileAge(const std::string& fileName);
double FileDateToDateTime(int fileDate);
int DateTimeToFileDate(double dateTime);
// fa* bits, -1 when missing.
int FileGetAttr(const std::string& fileName);

struct TSearchRec {
  int Time = 0;  // packed DOS date-time
  std::int64_t Size = 0;
  int Attr = 0;
  std::string Name;
  int ExcludeAttr = 0;
  std::shared_ptr<struct TSearchState> FindHandle;
};

// path is a folder and a pattern of "*" and "?" ("Kits\*.dsw"; "*.*" is every
// name). Entries with faHidden, faSysFile or faDirectory appear only when
// attr asks for them. Returns 0, or 18 (no more files) / 3 (path not found).
int FindFirst(const std::string& path, int attr, TSearchRec& f);
int FindNext(TSearchRec& f);
void FindClose(TSearchRec& f);
