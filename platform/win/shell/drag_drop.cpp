// OLE drag and drop over the layer's own windows: the registry of drop
// targets, the modal drag loop, and files dropped from other programs.
#include <map>

#include "platform/win/ole2.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/user/idle_hook.h"
#include "platform/win/windows.h"

namespace {

struct Registration {
  IDropTarget* target = nullptr;
  WNDPROC previous = nullptr;
};

std::map<HWND, Registration>& Registry() {
  static std::map<HWND, Registration> registry;
  return registry;
}

IDropTarget* TargetAt(POINT screen, HWND* owner) {
  for (HWND hwnd = WindowFromPoint(screen); hwnd; hwnd = GetParent(hwnd)) {
    const auto found = Registry().find(hwnd);
    if (found != Registry().end()) {
      *owner = hwnd;
      return found->second.target;
    }
  }
  *owner = nullptr;
  return nullptr;
}

// Files from other programs arrive as WM_DROPFILES; the window's drop target
// sees them as a drag that enters and drops at once.
LRESULT CALLBACK DropFilesProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = Registry().find(hwnd);
  if (found == Registry().end()) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // A window destroyed without RevokeDragDrop lets go of its target.
    const Registration registration = found->second;
    Registry().erase(found);
    const LRESULT result = CallWindowProcA(registration.previous, hwnd, message, wParam, lParam);
    registration.target->Release();
    return result;
  }
  if (message != WM_DROPFILES) return CallWindowProcA(found->second.previous, hwnd, message, wParam, lParam);
  auto drop = reinterpret_cast<HDROP>(wParam);
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
    path.resize(DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(path);
  }
  POINT point{};
  DragQueryPoint(drop, &point);
  DragFinish(drop);
  ClientToScreen(hwnd, &point);
  IDropTarget* target = found->second.target;
  target->AddRef();
  IDataObject* data = win::shell::CreateDropFilesDataObject(paths);
  const POINTL at{point.x, point.y};
  // The other program keeps its files: what it drops here is copied.
  const DWORD offered = DROPEFFECT_COPY;
  DWORD effect = offered;
  if (SUCCEEDED(target->DragEnter(data, 0, at, &effect)) && (effect & offered)) {
    effect = offered;
    target->Drop(data, 0, at, &effect);
  } else {
    target->DragLeave();
  }
  data->Release();
  target->Release();
  return 0;
}

DWORD KeysOf(WPARAM wParam) {
  DWORD keys = static_cast<DWORD>(wParam) & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL);
  if (GetKeyState(VK_MENU) < 0) keys |= MK_ALT;
  return keys;
}

}  // namespace

HRESULT RegisterDragDrop(HWND hwnd, LPDROPTARGET pDropTarget) {
  if (!pDropTarget) return E_INVALIDARG;
  if (!IsWindow(hwnd)) return DRAGDROP_E_INVALIDHWND;
  if (Registry().contains(hwnd)) return DRAGDROP_E_ALREADYREGISTERED;
  pDropTarget->AddRef();
  Registration registration{pDropTarget, nullptr};
  registration.previous =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DropFilesProc)));
  Registry()[hwnd] = registration;
  DragAcceptFiles(hwnd, TRUE);
  return S_OK;
}

HRESULT RevokeDragDrop(HWND hwnd) {
  const auto found = Registry().find(hwnd);
  if (found == Registry().end()) return DRAGDROP_E_NOTREGISTERED;
  const Registration registration = found->second;
  Registry().erase(found);
  if (IsWindow(hwnd)) {
    DragAcceptFiles(hwnd, FALSE);
    // Only when nobody subclassed the window after us.
    if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(DropFilesProc))
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(registration.previous));
  }
  registration.target->Release();
  return S_OK;
}

HRESULT DoDragDrop(LPDATAOBJECT data, LPDROPSOURCE source, DWORD okEffects, LPDWORD effect) {
  if (!data || !source || !effect) return E_INVALIDARG;
  *effect = DROPEFFECT_NONE;
  // The drag starts with the buttons that are down; the left one when the
  // state knows of none (a drag started by posted messages alone).
  DWORD keys = 0;
  if (GetKeyState(VK_LBUTTON) < 0) keys |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) < 0) keys |= MK_RBUTTON;
  if (GetKeyState(VK_MBUTTON) < 0) keys |= MK_MBUTTON;
  if (keys == 0) keys = MK_LBUTTON;
  if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
  if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
  POINT point{};
  GetCursorPos(&point);
  IDropTarget* current = nullptr;
  HWND currentWindow = nullptr;
  DWORD shown = DROPEFFECT_NONE;
  bool escape = false;

  // Tells the target under the pointer, entering and leaving as it changes.
  auto track = [&] {
    HWND owner = nullptr;
    IDropTarget* under = TargetAt(point, &owner);
    const POINTL at{point.x, point.y};
    DWORD wanted = okEffects;
    if (owner != currentWindow) {
      if (current) {
        current->DragLeave();
        current->Release();
      }
      current = under;
      currentWindow = owner;
      if (current) {
        current->AddRef();
        if (FAILED(current->DragEnter(data, keys, at, &wanted))) wanted = DROPEFFECT_NONE;
      }
    } else if (current && FAILED(current->DragOver(keys, at, &wanted))) {
      wanted = DROPEFFECT_NONE;
    }
    shown = current ? (wanted & okEffects) : DROPEFFECT_NONE;
    source->GiveFeedback(shown);
  };

  HRESULT result = DRAGDROP_S_CANCEL;
  for (;;) {
    const HRESULT next = source->QueryContinueDrag(escape, keys);
    escape = false;
    if (next == DRAGDROP_S_DROP) {
      if (current && shown != DROPEFFECT_NONE) {
        DWORD dropped = okEffects;
        const POINTL at{point.x, point.y};
        if (SUCCEEDED(current->Drop(data, keys, at, &dropped))) {
          *effect = dropped & okEffects;
          result = DRAGDROP_S_DROP;
        }
      } else if (current) {
        current->DragLeave();
      }
      break;
    }
    if (next != S_OK) {
      if (current) current->DragLeave();
      break;
    }
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      win::user::IdleThenWait();
      continue;
    }
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      if (current) current->DragLeave();
      break;
    }
    if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
      const bool release =
          message.message == WM_LBUTTONUP || message.message == WM_RBUTTONUP || message.message == WM_MBUTTONUP;
      const POINT before = point;
      point = {static_cast<SHORT>(LOWORD(message.lParam)), static_cast<SHORT>(HIWORD(message.lParam))};
      if (message.hwnd) ClientToScreen(message.hwnd, &point);
      if (!release) {
        keys = KeysOf(message.wParam);
        track();
        continue;
      }
      // A release ends the drag where the target last saw the buttons down:
      // it is told of a last move with them still held, never of a hover
      // without them that would change the offered effect just before the drop.
      if (before.x != point.x || before.y != point.y) track();
      keys = KeysOf(message.wParam);
      continue;
    }
    if (message.message == WM_KEYDOWN || message.message == WM_KEYUP) {
      const bool down = message.message == WM_KEYDOWN;
      const auto flip = [&](DWORD bit) { keys = down ? (keys | bit) : (keys & ~bit); };
      if (message.wParam == VK_ESCAPE && down) escape = true;
      if (message.wParam == VK_CONTROL) flip(MK_CONTROL);
      if (message.wParam == VK_SHIFT) flip(MK_SHIFT);
      if (message.wParam == VK_MENU) flip(MK_ALT);
      if (!escape) track();
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (current) current->Release();
  return result;
}
