#include "controls/shell/UNavShellUtils/FormatStrPos.h"

#include "controls/shell/UNavShConsts.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

std::string FormatStrPos(const std::string& format, const std::vector<std::string>& strings) {
  if (strings.size() > static_cast<std::size_t>(kMaxFormatStrPosStrings)) throw Exception(SNavTooManyStrings);
  if (format.empty()) return {};
  // Inserts go up to "%99": every number the format may name has an entry,
  // the ones past the given strings empty.
  DWORD_PTR arguments[99] = {};
  for (std::size_t i = 0; i < strings.size(); ++i) arguments[i] = reinterpret_cast<DWORD_PTR>(strings[i].c_str());
  LPSTR buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format.c_str(), 0, 0,
      reinterpret_cast<LPSTR>(&buffer), 256, reinterpret_cast<va_list*>(arguments));
  std::string text;
  if (length != 0 && buffer) text.assign(buffer, length);
  if (buffer) LocalFree(buffer);
  return text;
}
