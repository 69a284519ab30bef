// Small helpers shared by the kernel tests: a scratch folder, file helpers,
// a manual clock for the length of a test.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win/kernel/clock.h"
#include "platform/win/kernel/paths.h"

namespace kernel_test {

// A fresh folder below the system's temporary folder, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "drums-kernel-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  // The same place as Windows names it: "C:\tmp\drums-kernel-...\name".
  std::string Win(const std::string& name = "") const {
    return win::kernel::ToWindowsPath(name.empty() ? path_ : path_ + "/" + name);
  }

 private:
  std::string path_;
};

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

// Points the per-user folders (registry, Windows directory, mutex locks) at
// a scratch folder for one test.
class UserDirOverride {
 public:
  explicit UserDirOverride(const std::string& dir) { setenv("DRUMS_USER_DIR", dir.c_str(), 1); }
  ~UserDirOverride() { unsetenv("DRUMS_USER_DIR"); }
};

// Manual clock for one test, back to the real clock afterwards.
class ManualClock {
 public:
  explicit ManualClock(std::uint64_t startMicros = 1000000) { win::clock::UseManual(startMicros); }
  ~ManualClock() { win::clock::UseReal(); }
};

}  // namespace kernel_test
