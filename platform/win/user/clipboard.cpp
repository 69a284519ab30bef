// The clipboard: text only, kept by the host so that other programs see it.
#include <cstring>
#include <string>

#include "platform/host/host.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

namespace {

bool g_open = false;
HGLOBAL g_lent = nullptr;  // the block GetClipboardData handed out

void ForgetLent() {
  if (g_lent) GlobalFree(g_lent);
  g_lent = nullptr;
}

}  // namespace

BOOL OpenClipboard(HWND) {
  if (g_open) return FALSE;
  g_open = true;
  return TRUE;
}

BOOL CloseClipboard() {
  if (!g_open) return FALSE;
  g_open = false;
  ForgetLent();
  return TRUE;
}

BOOL EmptyClipboard() {
  if (!g_open) return FALSE;
  host::Get().SetClipboardText("");
  return TRUE;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  return format == CF_TEXT && !host::Get().GetClipboardText().empty();
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  if (!g_open || format != CF_TEXT || !data) return nullptr;
  const char* p = static_cast<const char*>(GlobalLock(data));
  if (!p) return nullptr;
  std::string text(p, strnlen(p, GlobalSize(data)));
  GlobalUnlock(data);
  GlobalFree(data);
  host::Get().SetClipboardText(text);
  return data;
}

HANDLE GetClipboardData(UINT format) {
  if (!g_open || format != CF_TEXT) return nullptr;
  std::string text = host::Get().GetClipboardText();
  if (text.empty()) return nullptr;
  ForgetLent();
  g_lent = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!g_lent) return nullptr;
  char* p = static_cast<char*>(GlobalLock(g_lent));
  std::memcpy(p, text.c_str(), text.size() + 1);
  GlobalUnlock(g_lent);
  return g_lent;
}
