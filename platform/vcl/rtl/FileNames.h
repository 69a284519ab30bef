// File-name helpers. Names are in the programs' form: "\" and "/" both
// separate folders (the returned parts keep whichever the name used), and a
// leading drive "C:" is the drive part.
#pragma once

#include <string>

constexpr char PathDelim = '\\';
constexpr char DriveDelim = ':';

// Up to and including the last separator (or the drive's ":").
std::string ExtractFilePath(const std::string& fileName);
// As ExtractFilePath without the trailing separator, except at a root ("C:\", "\").
std::string ExtractFileDir(const std::string& fileName);
// After the last separator or ":".
std::string ExtractFileName(const std::string& fileName);
// From the last "." of the name part on (".wav"); "" when it has none.
std::string ExtractFileExt(const std::string& fileName);
// "C:" for "C:\x", "\\server\share" for a UNC name, else "".
std::string ExtractFileDrive(const std::string& fileName);
// Replaces (or appends) the extension; extension includes its ".".
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// An absolute name with "." and ".." folded; relative names start at the
// current directory. The result uses "/" as the file system does.
std::string ExpandFileName(const std::string& fileName);

std::string IncludeTrailingPathDelimiter(const std::string& s);
std::string IncludeTrailingBackslash(const std::string& s);
std::string ExcludeTrailingPathDelimiter(const std::string& s);
std::string ExcludeTrailingBackslash(const std::string& s);
bool IsPathDelimiter(const std::string& s, int index);  // 1-based
