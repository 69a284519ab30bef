#include "platform/win/kernel/user_dirs.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace win::kernel {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string HomeDir() {
  std::string home = Env("HOME");
  if (!home.empty()) return home;
  if (passwd* pw = getpwuid(getuid())) return pw->pw_dir;
  return "/tmp";
}

std::string Made(std::string path) {
  MakeDirs(path);
  return path;
}

}  // namespace

bool MakeDirs(const std::string& path) {
  if (path.empty()) return false;
  for (size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos == path.size() || path[pos] == '/') {
      std::string part = path.substr(0, pos);
      if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
  }
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string UserDir() {
  std::string dir = Env("DRUMS_USER_DIR");
  if (dir.empty()) {
    std::string data = Env("XDG_DATA_HOME");
    dir = (data.empty() ? HomeDir() + "/.local/share" : data) + "/drums";
  }
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return Made(dir);
}

std::string WindowsDir() {
  return Made(UserDir() + "/windows");
}
std::string SystemDir() {
  return Made(WindowsDir() + "/system");
}
std::string RegistryFile() {
  return UserDir() + "/registry.txt";
}

std::string RuntimeDir() {
  std::string dir = Env("DRUMS_USER_DIR");
  if (!dir.empty()) return Made(dir + "/run");
  std::string runtime = Env("XDG_RUNTIME_DIR");
  if (!runtime.empty()) return Made(runtime + "/drums");
  return Made("/tmp/drums-" + std::to_string(getuid()));
}

}  // namespace win::kernel
