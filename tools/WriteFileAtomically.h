// The build tools' file output: the bytes go to a temporary file beside the
// target, "<target>.<process>.tmp", which then replaces it, so that a failed
// or interrupted run never leaves half a file for the build to take as done.
// A run killed half way leaves its temporary; the next run writing the same
// target removes the temporaries of runs that no longer exist.
#pragma once

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

inline std::string TemporaryPathFor(const std::string& path) {
  return path + "." + std::to_string(::getpid()) + ".tmp";
}

inline void RemoveStaleTemporaries(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const std::string prefix = target.filename().string() + ".";
  std::error_code ec;
  for (const fs::directory_entry& entry :
       fs::directory_iterator(target.has_parent_path() ? target.parent_path() : fs::path("."), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - 4, 4, ".tmp") != 0)
      continue;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t writer = static_cast<pid_t>(std::stol(digits));
    if (writer != ::getpid() && ::kill(writer, 0) != 0 && errno == ESRCH) fs::remove(entry.path(), ec);
  }
}

inline bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  RemoveStaleTemporaries(path);
  const std::string tmp = TemporaryPathFor(path);
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::cerr << path << ": cannot be written\n";
      std::remove(tmp.c_str());
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::cerr << path << ": cannot be written\n";
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}
