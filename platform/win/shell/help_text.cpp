#include "platform/win/shell/help_text.h"

#include "platform/win/wingdi.h"

namespace win::shell {

std::string ShownParagraphs(const std::string& text) {
  std::string shown;
  for (char c : text) shown += c == '\n' ? std::string("\n\n") : std::string(1, c);
  return shown;
}

HFONT HelpBodyFont() {
  return CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
}

void RegisterHelpClass(const char* name, WNDPROC proc) {
  WNDCLASSA wc{};
  if (GetClassInfoA(nullptr, name, &wc)) return;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
}

}  // namespace win::shell
