// Clipboard formats registered by name, one number per name for the process.
#include <mutex>
#include <string>
#include <vector>

#include "platform/win/kernel/paths.h"
#include "platform/win/winuser_clipboard.h"

UINT RegisterClipboardFormatA(LPCSTR lpszFormat) {
  if (!lpszFormat || !*lpszFormat) return 0;
  static std::mutex mutex;
  static std::vector<std::string> names;
  std::lock_guard lock(mutex);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (win::kernel::EqualsIgnoringCase(names[i], lpszFormat)) return static_cast<UINT>(0xC000 + i);
  }
  if (names.size() >= 0x3FFF) return 0;
  names.emplace_back(lpszFormat);
  return static_cast<UINT>(0xC000 + names.size() - 1);
}
