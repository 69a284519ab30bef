#include "platform/vcl/rtl/FileNames.h"

#include <unistd.h>

#include <vector>

namespace {

bool IsSep(char c) {
  return c == '\\' || c == '/';
}

// Index just after the last separator or drive colon (0 when none).
std::size_t NameStart(const std::string& s) {
  for (std::size_t i = s.size(); i > 0; --i)
    if (IsSep(s[i - 1]) || s[i - 1] == DriveDelim) return i;
  return 0;
}

}  // namespace

std::string ExtractFilePath(const std::string& fileName) {
  return fileName.substr(0, NameStart(fileName));
}

std::string ExtractFileDir(const std::string& fileName) {
  std::size_t n = NameStart(fileName);
  // Keep the separator of a root: "\" or "C:\".
  if (n > 0 && IsSep(fileName[n - 1]) && n > 1 && fileName[n - 2] != DriveDelim && !IsSep(fileName[n - 2])) --n;
  return fileName.substr(0, n);
}

std::string ExtractFileName(const std::string& fileName) {
  return fileName.substr(NameStart(fileName));
}

std::string ExtractFileExt(const std::string& fileName) {
  std::size_t start = NameStart(fileName);
  std::size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot < start) return {};
  return fileName.substr(dot);
}

std::string ExtractFileDrive(const std::string& fileName) {
  if (fileName.size() >= 2 && fileName[1] == DriveDelim) return fileName.substr(0, 2);
  if (fileName.size() >= 2 && IsSep(fileName[0]) && IsSep(fileName[1])) {
    // \\server\share
    std::size_t i = 2;
    int parts = 0;
    while (i < fileName.size()) {
      if (IsSep(fileName[i]) && ++parts == 2) break;
      ++i;
    }
    return fileName.substr(0, i);
  }
  return {};
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
  std::string ext = ExtractFileExt(fileName);
  return fileName.substr(0, fileName.size() - ext.size()) + extension;
}

std::string ExpandFileName(const std::string& fileName) {
  std::string name = fileName;
  for (char& c : name)
    if (c == '\\') c = '/';
  if (name.size() >= 2 && name[1] == DriveDelim) {
    name.erase(0, 2);
    if (name.empty() || name[0] != '/') name.insert(name.begin(), '/');
  }
  if (name.empty() || name[0] != '/') {
    char buf[4096];
    std::string full = ::getcwd(buf, sizeof buf) ? buf : "/";
    full += '/';
    full += name;
    name = std::move(full);
  }
  std::vector<std::string> parts;
  std::size_t i = 0;
  while (i <= name.size()) {
    std::size_t j = name.find('/', i);
    if (j == std::string::npos) j = name.size();
    std::string part = name.substr(i, j - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = j + 1;
  }
  std::string out = "/";
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) out += '/';
    out += parts[k];
  }
  // A trailing separator names the folder itself: keep it.
  if (!fileName.empty() && IsSep(fileName.back()) && out != "/") out += '/';
  return out;
}

std::string IncludeTrailingPathDelimiter(const std::string& s) {
  if (!s.empty() && IsSep(s.back())) return s;
  return s + PathDelim;
}

std::string IncludeTrailingBackslash(const std::string& s) {
  return IncludeTrailingPathDelimiter(s);
}

std::string ExcludeTrailingPathDelimiter(const std::string& s) {
  if (!s.empty() && IsSep(s.back())) return s.substr(0, s.size() - 1);
  return s;
}

std::string ExcludeTrailingBackslash(const std::string& s) {
  return ExcludeTrailingPathDelimiter(s);
}

bool IsPathDelimiter(const std::string& s, int index) {
  return index >= 1 && index <= static_cast<int>(s.size()) && IsSep(s[index - 1]);
}
