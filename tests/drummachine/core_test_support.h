// Shared helpers of the drum machine core's tests: a temporary folder that
// holds every file a test writes, and whole-file reads and writes.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace core_test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "drums-core-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    FDir = mkdtemp(name.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FDir, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Dir() const { return FDir; }
  std::string Path(const std::string& name) const { return FDir + "/" + name; }
  // The names of the files in the folder.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FDir)) names.push_back(entry.path().filename());
    return names;
  }

 private:
  std::string FDir;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

// The lines of a text written with CR LF; false when a line ends otherwise.
inline bool SplitCrLfLines(const std::string& text, std::vector<std::string>& lines) {
  lines.clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) return false;
    std::string line = text.substr(start, end - start);
    if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos) return false;
    lines.push_back(line);
    start = end + 2;
  }
  return true;
}

inline std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  return std::vector<std::string>(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
}

// Runs body in a child process and returns its exit code. limitBytes > 0
// caps the size of files it writes, so a write fails midway even for the
// superuser; asNobody makes the child an unprivileged user.
inline int InChild(const std::function<int()>& body, rlim_t limitBytes, bool asNobody) {
  pid_t child = fork();
  if (child == 0) {
    if (limitBytes > 0) {
      signal(SIGXFSZ, SIG_IGN);
      rlimit limit{limitBytes, limitBytes};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (asNobody && getuid() == 0 && setuid(65534) != 0) _exit(90);
    int code = 91;
    try {
      code = body();
    } catch (...) {
      code = 92;
    }
    _exit(code);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace core_test
