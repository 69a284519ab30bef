// The label-edit session: the editor window is subclassed so that Enter,
// Escape and loss of focus end the edit, as the views' own editors do.
#include <map>
#include <memory>

#include "platform/win/comctl/label_edit.h"

namespace win::comctl {
namespace {

constexpr LRESULT kWantAllKeys = 0x0004;

struct Session {
  WNDPROC original = nullptr;
  std::function<void(bool)> onEnd;
  bool ended = false;
};

std::map<HWND, std::unique_ptr<Session>>& Sessions() {
  static std::map<HWND, std::unique_ptr<Session>> sessions;
  return sessions;
}

LRESULT CALLBACK SessionProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto it = Sessions().find(hwnd);
  if (it == Sessions().end()) return DefWindowProcA(hwnd, msg, wParam, lParam);
  Session* s = it->second.get();
  WNDPROC original = s->original;
  switch (msg) {
    case WM_GETDLGCODE: return CallWindowProcA(original, hwnd, msg, wParam, lParam) | kWantAllKeys;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        EndLabelSession(hwnd, wParam == VK_RETURN);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == 13 || wParam == 27) return 0;
      break;
    case WM_KILLFOCUS:
      CallWindowProcA(original, hwnd, msg, wParam, lParam);
      EndLabelSession(hwnd, true);
      return 0;
    case WM_NCDESTROY: {
      LRESULT r = CallWindowProcA(original, hwnd, msg, wParam, lParam);
      Sessions().erase(hwnd);
      return r;
    }
    default: break;
  }
  return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

}  // namespace

const char*& LabelEditClassName() {
  static const char* name = kLabelEditClass;
  return name;
}

std::string WindowText(HWND hwnd) {
  int n = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(hwnd, text.data(), n + 1);
  text.resize(static_cast<size_t>(n));
  return text;
}

HWND CreateLabelEditor(HWND owner, RECT rect, const std::string& text, HFONT font, std::function<void(bool)> onEnd) {
  HWND edit = CreateWindowExA(0, LabelEditClassName(), text.c_str(), WS_CHILD | WS_BORDER, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, nullptr, nullptr);
  if (!edit) return nullptr;
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  auto s = std::make_unique<Session>();
  s->onEnd = std::move(onEnd);
  s->original =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SessionProc)));
  Sessions()[edit] = std::move(s);
  return edit;
}

void EndLabelSession(HWND edit, bool accepted) {
  auto it = Sessions().find(edit);
  if (it == Sessions().end() || it->second->ended) return;
  it->second->ended = true;
  // The callback reads the text and destroys the editor.
  auto onEnd = std::move(it->second->onEnd);
  if (onEnd) onEnd(accepted);
}

}  // namespace win::comctl
