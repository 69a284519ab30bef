// ShellExecuteA: documents and links go to the desktop's opener.
#include <sys/stat.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/win/kernel/paths.h"
#include "platform/win/shell/opener.h"
#include "platform/win/shellapi.h"

namespace {

// "http:", "mailto:" ...: a scheme of two or more characters, so that a
// drive letter ("C:") stays a path.
bool IsUrl(std::string_view target) {
  const std::size_t colon = target.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!letter(target[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = target[i];
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

HINSTANCE Result(INT_PTR code) {
  return reinterpret_cast<HINSTANCE>(code);
}

win::shell::ExecuteHook& Hook() {
  static win::shell::ExecuteHook hook;
  return hook;
}

}  // namespace

void win::shell::SetExecuteHook(ExecuteHook hook) {
  Hook() = std::move(hook);
}

HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                        INT nShowCmd) {
  if (Hook()) {
    auto text = [](LPCSTR s) { return std::string(s ? s : ""); };
    return Result(Hook()({hwnd, text(lpOperation), text(lpFile), text(lpParameters), text(lpDirectory), nShowCmd}));
  }
  const std::string_view verb = lpOperation ? lpOperation : "";
  if (!verb.empty() && !win::kernel::EqualsIgnoringCase(verb, "open")) return Result(SE_ERR_NOASSOC);
  const std::string_view file = lpFile ? lpFile : "";
  if (file.empty()) return Result(SE_ERR_FNF);

  std::string target;
  if (IsUrl(file)) {
    target = std::string(file);
  } else {
    target = win::kernel::ResolvePath(
        file, lpDirectory && *lpDirectory ? win::kernel::ResolvePath(lpDirectory) : std::string());
    struct stat info {};
    if (stat(target.c_str(), &info) != 0) {
      const std::string folder = target.substr(0, target.find_last_of('/') + 1);
      struct stat folderInfo {};
      const bool folderThere = folder.empty() || stat(folder.c_str(), &folderInfo) == 0;
      return Result(folderThere ? SE_ERR_FNF : SE_ERR_PNF);
    }
  }
  if (!win::shell::Launch({win::shell::kDesktopOpener, target})) return Result(SE_ERR_NOASSOC);
  return Result(42);
}
