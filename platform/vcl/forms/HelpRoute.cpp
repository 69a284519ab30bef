#include "platform/vcl/forms/HelpRoute.h"

namespace vcl::forms {

bool RouteHelp(const std::string& helpFile, UINT command, ULONG_PTR data) {
  if (helpFile.empty()) return false;
  return WinHelpA(GetActiveWindow(), helpFile.c_str(), command, data) != FALSE;
}

}  // namespace vcl::forms
