#include "controls/shell/UNavShellControls/SysErrorText.h"

#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

std::string SystemErrorText(DWORD code) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                      text, sizeof text, nullptr);
  if (length == 0) return SysErrorMessage(static_cast<int>(code));
  std::string result(text, length);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
  return result;
}

void RaiseSysError(DWORD code) {
  throw EOSError(SystemErrorText(code), code);
}
