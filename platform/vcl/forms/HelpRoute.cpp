#include "platform/vcl/forms/HelpRoute.h"

namespace vcl::forms {

bool RouteHelp(const std::string& helpFile, UINT command, ULONG_PTR data) {
  (void)helpFile;
  (void)command;
  (void)data;
  return false;
}

}  // namespace vcl::forms
