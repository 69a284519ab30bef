#include "platform/win/shell/opener.h"

#include "platform/host/launch.h"

namespace win::shell {

namespace {

Launcher& Current() {
  static Launcher launcher;
  return launcher;
}

}  // namespace

bool Launch(const std::vector<std::string>& argv) {
  if (Current()) return Current()(argv);
  return host::LaunchDetached(argv);
}

void SetLauncher(Launcher launcher) {
  Current() = std::move(launcher);
}

}  // namespace win::shell
