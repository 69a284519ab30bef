#include "message_log.h"

#include <sstream>

namespace usertest {
namespace {
std::string g_pendingName;
}

MessageLog& MessageLog::Get() {
  static MessageLog log;
  return log;
}

void MessageLog::Record(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = names_.find(hwnd);
  std::string name = it != names_.end() ? it->second : g_pendingName;
  if (it == names_.end() && !g_pendingName.empty()) names_[hwnd] = g_pendingName;
  entries_.push_back({name, msg, wp, lp});
}

std::vector<Logged> MessageLog::Only(const std::set<UINT>& msgs) const {
  std::vector<Logged> out;
  for (const Logged& l : entries_)
    if (msgs.count(l.msg)) out.push_back(l);
  return out;
}

std::vector<UINT> MessageLog::MessagesOf(const std::string& window) const {
  std::vector<UINT> out;
  for (const Logged& l : entries_)
    if (l.window == window) out.push_back(l.msg);
  return out;
}

int MessageLog::Count(const std::string& window, UINT msg) const {
  int n = 0;
  for (const Logged& l : entries_)
    if (l.window == window && l.msg == msg) n++;
  return n;
}

std::string MessageName(UINT msg) {
  static const std::map<UINT, const char*> names = {
      {WM_CREATE, "WM_CREATE"},
      {WM_DESTROY, "WM_DESTROY"},
      {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_PAINT, "WM_PAINT"},
      {WM_CLOSE, "WM_CLOSE"},
      {WM_ERASEBKGND, "WM_ERASEBKGND"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
      {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
      {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
      {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
      {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
      {WM_NCCREATE, "WM_NCCREATE"},
      {WM_NCDESTROY, "WM_NCDESTROY"},
      {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
      {WM_NCPAINT, "WM_NCPAINT"},
      {WM_NCACTIVATE, "WM_NCACTIVATE"},
      {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
      {WM_TIMER, "WM_TIMER"},
      {WM_COMMAND, "WM_COMMAND"},
      {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
      {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
      {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
      {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
      {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
      {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
      {WM_SIZING, "WM_SIZING"},
      {WM_MOVING, "WM_MOVING"},
      {WM_INITMENU, "WM_INITMENU"},
      {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
      {WM_MENUSELECT, "WM_MENUSELECT"},
      {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
      {WM_EXITMENULOOP, "WM_EXITMENULOOP"},
      {WM_USER, "WM_USER"},
      {WM_STYLECHANGING, "WM_STYLECHANGING"},
      {WM_STYLECHANGED, "WM_STYLECHANGED"},
  };
  auto it = names.find(msg);
  if (it != names.end()) return it->second;
  std::ostringstream s;
  s << "0x" << std::hex << msg;
  return s.str();
}

std::string Compare(const std::vector<Expected>& table, const std::set<UINT>& watched) {
  std::vector<Logged> got;
  for (const Logged& l : MessageLog::Get().Entries())
    if (watched.empty() || watched.count(l.msg)) got.push_back(l);
  size_t g = 0;
  std::ostringstream diff;
  for (size_t t = 0; t < table.size(); t++) {
    const Expected& e = table[t];
    bool match = g < got.size() && got[g].window == e.window && got[g].msg == e.msg &&
                 (!e.checkWParam || got[g].wParam == e.wParam);
    if (match) {
      g++;
      continue;
    }
    if (e.optional) continue;
    diff << "entry " << t << ": expected " << e.window << " " << MessageName(e.msg);
    if (g < got.size())
      diff << ", got " << got[g].window << " " << MessageName(got[g].msg);
    else
      diff << ", got nothing more";
    break;
  }
  if (diff.str().empty() && g < got.size())
    diff << "unexpected " << got[g].window << " " << MessageName(got[g].msg) << " after the table";
  if (!diff.str().empty()) {
    diff << "\nrecorded:";
    for (const Logged& l : got) diff << "\n  " << l.window << " " << MessageName(l.msg);
  }
  return diff.str();
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  MessageLog& log = MessageLog::Get();
  log.Record(hwnd, msg, wp, lp);
  const std::string& name = log.Entries().back().window;
  auto it = log.answers.find({name, msg});
  if (it != log.answers.end()) return it->second(hwnd, wp, lp);
  return DefWindowProcA(hwnd, msg, wp, lp);
}

static const char* Register(const char* name, UINT style) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = RecordingProc;
  wc.lpszClassName = name;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_WINDOW + 1));
  wc.cbWndExtra = 16;
  RegisterClassA(&wc);
  return name;
}

const char* RecordingClass() {
  static const char* name = Register("RecordingWindow", 0);
  return name;
}

const char* RecordingClassDbl() {
  static const char* name = Register("RecordingWindowDbl", CS_DBLCLKS);
  return name;
}

HWND MakeWindow(const std::string& name, DWORD style, int x, int y, int w, int h, HWND parent, DWORD exStyle,
                const char* cls, HMENU menu) {
  g_pendingName = name;
  HWND hwnd = CreateWindowExA(exStyle, cls ? cls : RecordingClass(), name.c_str(), style, x, y, w, h, parent, menu,
                              nullptr, nullptr);
  g_pendingName.clear();
  return hwnd;
}

}  // namespace usertest
