// TWinControl's window: the handle's making and ending, the window procedure
// every control window shares, and the control a window belongs to.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

namespace {

// The property naming the control that owns a window.
constexpr const char* kControlProp = "DrumsVclControl";

// The control whose window CreateWindowEx is making: its first messages
// arrive before the property is set.
thread_local TWinControl* creationControl = nullptr;

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(hwnd);
  if (!control && creationControl) {
    control = creationControl;
    creationControl = nullptr;
    control->AttachHandle(hwnd);
  }
  if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  const auto& hook = vcl::GetWindowProcExceptionHook();
  if (!hook) {
    control->WindowProc(m);
    return m.Result;
  }
  try {
    control->WindowProc(m);
  } catch (...) {
    hook(std::current_exception());
  }
  return m.Result;
}

TWinControl* FindControl(HWND handle) {
  if (!handle) return nullptr;
  return static_cast<TWinControl*>(GetPropA(handle, kControlProp));
}

HWND TWinControl::GetHandle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  // Windowed siblings keep their order in the window list.
  if (FParent) {
    HWND after = HWND_TOP;
    auto& list = FParent->FWinControls;
    auto it = std::find(list.begin(), list.end(), this);
    // The window above this one in z-order: the next sibling that has one.
    for (auto next = it == list.end() ? list.end() : it + 1; next != list.end(); ++next)
      if ((*next)->FHandle) {
        after = (*next)->FHandle;
        break;
      }
    if (after != HWND_TOP) SetWindowPos(FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TWinControl::CreateParams(TCreateParams& params) {
  params = TCreateParams{};
  params.Caption = FText;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!GetComponentState().Contains(csDesigning) && !GetEnabled()) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = FParent ? FParent->GetHandle() : FParentWindow;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = DefWindowProcA;
  params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  params.WindowClass.hbrBackground = nullptr;
  params.WindowClass.hInstance = GetModuleHandleA(nullptr);
  params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* controlClassName) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(nullptr, controlClassName, &wc)) return;
  HINSTANCE instance = params.WindowClass.hInstance;
  params.WindowClass = wc;
  params.WindowClass.hInstance = instance;
  // The control's own class keeps the double clicks the library relies on.
  params.WindowClass.style |= CS_DBLCLKS;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD)) {
    // A control with no parent window stands alone as a popup window.
    params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
  }
  FDefWndProc = params.WindowClass.lpfnWndProc ? params.WindowClass.lpfnWndProc : DefWindowProcA;
  WNDCLASSA existing{};
  bool registered = GetClassInfoA(params.WindowClass.hInstance, params.WinClassName.c_str(), &existing) != FALSE;
  if (!registered || existing.lpfnWndProc != ControlWindowProc) {
    if (registered) UnregisterClassA(params.WinClassName.c_str(), params.WindowClass.hInstance);
    WNDCLASSA wc = params.WindowClass;
    wc.lpfnWndProc = ControlWindowProc;
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassA(&wc)) RaiseLastOSError();
  }
  FControlState.Include(csCreating);
  CreateWindowHandle(params);
  FControlState.Exclude(csCreating);
  if (!FHandle) RaiseLastOSError();
  if ((GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) && GetWindowLongPtrA(FHandle, GWLP_ID) == 0)
    SetWindowLongPtrA(FHandle, GWLP_ID, reinterpret_cast<LONG_PTR>(FHandle) & 0xFFFF);
  // The window holds the text from now on.
  FText.clear();
  UpdateBounds();
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->GetHandle()), 1);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  creationControl = this;
  HWND hwnd = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                              params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                              params.WindowClass.hInstance, params.Param);
  creationControl = nullptr;
  if (hwnd && !FHandle) AttachHandle(hwnd);
}

void TWinControl::AttachHandle(HWND hwnd) {
  FHandle = hwnd;
  SetPropA(hwnd, kControlProp, static_cast<HANDLE>(this));
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TWinControl* child : FWinControls) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  // Keep the text for the next window.
  FText = GetText();
  vcl::FreeDeviceContexts();
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  FControlState.Include(csDestroyingHandle);
  HWND hwnd = FHandle;
  if (vcl::GetMouseControl() == this) vcl::detail::ForgetMouseControl(this);
  DestroyWindow(hwnd);
  if (FHandle == hwnd) {
    RemovePropA(hwnd, kControlProp);
    FHandle = nullptr;
  }
  FShowing = false;
  FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::WMNCDestroy(TMessage& m) {
  HWND hwnd = FHandle;
  DefaultHandler(m);
  if (hwnd) RemovePropA(hwnd, kControlProp);
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  bool wasFocused = Focused();
  DestroyHandle();
  UpdateShowing();
  if (wasFocused && FHandle) ::SetFocus(FHandle);
}

void TWinControl::SetParentWindow(HWND value) {
  if (FParent || FParentWindow == value) return;
  if (FHandle && FParentWindow && value) {
    ::SetParent(FHandle, value);
    FParentWindow = value;
  } else {
    DestroyHandle();
    FParentWindow = value;
  }
  UpdateShowing();
}

TWinControl* TWinControl::CreateParentedControl(TClass cls, HWND parentWindow) {
  auto* control = dynamic_cast<TWinControl*>(cls->Create(nullptr));
  if (!control) throw EInvalidOperation(std::string("Cannot create parented control of class ") + cls->Name);
  control->SetParentWindow(parentWindow);
  return control;
}
