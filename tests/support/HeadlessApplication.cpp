#include "tests/support/HeadlessApplication.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"

namespace testsupport {

void StartApplication(const std::string& title, const TProgramStartup& startup, host::Rect screen,
                      host::Rect workArea) {
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen(screen, workArea);
  StartProgram(startup);
  Application->Initialize();
  Application->SetTitle(title);
}

void StopApplication() {
  win::user::SetMessageBoxAnswer(nullptr);
  win::user::TakeMessageBoxRecords();
  StopProgram();
  MSG m;
  // A window left invalid (a help viewer still open) gives WM_PAINT until it
  // is validated: taking the message alone would never empty the queue.
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_PAINT && m.hwnd) ValidateRect(m.hwnd, nullptr);
  }
  win::clock::UseReal();
}

namespace {
// A folder of this process's own, removed when the program ends.
struct TemporaryFolder {
  std::filesystem::path dir;
  explicit TemporaryFolder(const std::string& name)
      : dir(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(dir);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};
}  // namespace

std::string PictureFolder(const char* environmentVariable) {
  if (const char* dir = std::getenv(environmentVariable)) return dir;
  static std::map<std::string, TemporaryFolder> temporary;
  auto it = temporary.try_emplace(environmentVariable, std::string("pictures-") + environmentVariable).first;
  return it->second.dir.string();
}

}  // namespace testsupport
