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

TWinControl* FindVCLWindow(const TPoint& screenPos) {
  HWND hwnd = WindowFromPoint(POINT(screenPos));
  TWinControl* control = nullptr;
  while (hwnd && !(control = FindControl(hwnd))) hwnd = GetParent(hwnd);
  return control;
}

TControl* FindDragTarget(const TPoint& screenPos, bool allowDisabled) {
  TWinControl* window = FindVCLWindow(screenPos);
  if (!window) return nullptr;
  TControl* child = window->ControlAtPos(window->ScreenToClient(screenPos), allowDisabled);
  return child ? child : window;
}

TWinControl* GetTopParent(TControl* control) {
  if (!control) return nullptr;
  TWinControl* top = dynamic_cast<TWinControl*>(control);
  for (TWinControl* p = control->GetParent(); p; p = p->GetParent()) top = p;
  return top;
}

bool IsAccel(WORD ch, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); i++) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      i++;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(ch & 0xFF);
  }
  return false;
}

namespace vcl {
bool IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  // A window the library did not make may sit inside one it did (an edit
  // inside a combo box): the nearest control's window answers for it.
  HWND wnd = msg.hwnd;
  TWinControl* control = nullptr;
  while (wnd && !(control = FindControl(wnd))) wnd = GetParent(wnd);
  if (!control) return false;
  return SendMessageA(wnd, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}
}  // namespace vcl

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
  FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
  Destroying();
  ForgetFocus();
  if (FParent) FParent->RemoveControl(this);
  DestroyHandle();
  // Children go with their parent, whoever owns them.
  while (!FControls.empty() || !FWinControls.empty()) {
    TControl* child = !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
    Remove(child);
    delete child;
  }
}

void TWinControl::ForgetFocus() {
  TWinControl* top = GetTopParent(this);
  if (top && top != this && top->FFocusedControl &&
      (top->FFocusedControl == this || ContainsControl(top->FFocusedControl)))
    top->FFocusedControl = nullptr;
}

void TWinControl::Publish(TPublisher<TWinControl>& p) {
  p.Prop("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder).Default(-1);
  p.Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop).Default(false);
  p.Prop("OnEnter", &TWinControl::OnEnter);
  p.Prop("OnExit", &TWinControl::OnExit);
  p.Prop("OnKeyDown", &TWinControl::OnKeyDown);
  p.Prop("OnKeyPress", &TWinControl::OnKeyPress);
  p.Prop("OnKeyUp", &TWinControl::OnKeyUp);
}

void TWinControl::Messages(TMessageMap<TWinControl>& m) {
  m.On(WM_PAINT, &TWinControl::WMPaint);
  m.On(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
  m.On(WM_SIZE, &TWinControl::WMSize);
  m.On(WM_MOVE, &TWinControl::WMMove);
  m.On(WM_COMMAND, &TWinControl::WMCommand);
  m.On(WM_NOTIFY, &TWinControl::WMNotify);
  m.On(WM_DRAWITEM, &TWinControl::WMDrawItem);
  m.On(WM_MEASUREITEM, &TWinControl::WMMeasureItem);
  m.On(WM_DELETEITEM, &TWinControl::WMDeleteItem);
  m.On(WM_COMPAREITEM, &TWinControl::WMCompareItem);
  m.On(WM_HSCROLL, &TWinControl::WMScroll);
  m.On(WM_VSCROLL, &TWinControl::WMScroll);
  for (UINT msg = WM_CTLCOLORMSGBOX; msg <= WM_CTLCOLORSTATIC; msg++) m.On(msg, &TWinControl::WMCtlColor);
  m.On(WM_SETFOCUS, &TWinControl::WMSetFocus);
  m.On(WM_KILLFOCUS, &TWinControl::WMKillFocus);
  m.On(WM_KEYDOWN, &TWinControl::WMKeyDown);
  m.On(WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
  m.On(WM_CHAR, &TWinControl::WMChar);
  m.On(WM_KEYUP, &TWinControl::WMKeyUp);
  m.On(WM_SYSKEYUP, &TWinControl::WMKeyUp);
  m.On(WM_SETCURSOR, &TWinControl::WMSetCursor);
  m.On(WM_MOUSELEAVE, &TWinControl::WMMouseLeave);
  m.On(WM_NCDESTROY, &TWinControl::WMNCDestroy);
  m.On(CN_KEYDOWN, &TWinControl::CNKeyDown);
  m.On(CN_SYSKEYDOWN, &TWinControl::CNKeyDown);
  m.On(CN_CHAR, &TWinControl::CNChar);
  m.On(CN_SYSCHAR, &TWinControl::CNChar);
  m.On(CM_DIALOGKEY, &TWinControl::CMDialogKey);
  m.On(CM_DIALOGCHAR, &TWinControl::CMDialogChar);
  m.On(CM_CHILDKEY, &TWinControl::CMChildKey);
  m.On(CM_ENTER, &TWinControl::CMEnter);
  m.On(CM_EXIT, &TWinControl::CMExit);
  m.On(CM_COLORCHANGED, &TWinControl::CMColorChanged);
  m.On(CM_FONTCHANGED, &TWinControl::CMFontChanged);
  m.On(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
  m.On(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
  m.On(CM_SHOWINGCHANGED, &TWinControl::CMShowingChanged);
  m.On(CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged);
  m.On(CM_INVALIDATE, &TWinControl::CMInvalidate);
  m.On(WM_CONTEXTMENU, &TWinControl::WMContextMenu);
  m.On(CM_CTL3DCHANGED, &TWinControl::CMCtl3DChanged);
}

// Handle ----------------------------------------------------------------------

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

// Children --------------------------------------------------------------------

void TWinControl::SetParent(TWinControl* AParent) {
  // Between two windowed parents the window itself moves; otherwise it is
  // destroyed on removal and made again under the new parent when needed.
  FReparenting = FHandle && AParent && AParent->FHandle;
  try {
    TControl::SetParent(AParent);
  } catch (...) {
    FReparenting = false;
    throw;
  }
  FReparenting = false;
}

int TWinControl::GetWinControlCount() const {
  return static_cast<int>(FWinControls.size());
}

TControl* TWinControl::GetControls(int index) const {
  size_t i = static_cast<size_t>(index);
  if (index < 0 || i >= FControls.size() + FWinControls.size())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return i < FControls.size() ? FControls[i] : FWinControls[i - FControls.size()];
}

void TWinControl::Insert(TControl* control) {
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    FWinControls.push_back(w);
    FTabList.push_back(w);
  } else {
    FControls.push_back(control);
  }
  control->FParent = this;
}

void TWinControl::Remove(TControl* control) {
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    std::erase(FWinControls, w);
    std::erase(FTabList, w);
  } else {
    std::erase(FControls, control);
  }
  control->FParent = nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
  Insert(control);
  if (!control->GetComponentState().Contains(csReading)) {
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
      // A window kept through a change of parent moves under the new one.
      if (w->FHandle && FHandle) ::SetParent(w->FHandle, FHandle);
      w->UpdateShowing();
    } else if (FHandle) {
      control->Invalidate();
    }
    AlignControl(control);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
}

void TWinControl::RemoveControl(TControl* control) {
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    TWinControl* top = GetTopParent(this);
    if (top && top->FFocusedControl && (top->FFocusedControl == w || w->ContainsControl(top->FFocusedControl)))
      top->FFocusedControl = nullptr;
    // The window stays while it can move straight to a new parent;
    // otherwise it goes and is made again when needed.
    if (!w->FReparenting) w->DestroyHandle();
  } else if (FHandle) {
    control->InvalidateControl(control->GetVisible(), false);
  }
  Remove(control);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
  Realign();
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (TControl* c = control; c; c = c->GetParent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& pos, bool allowDisabled, bool allWinControls) {
  auto hits = [&](TControl* c) {
    if (!(c->GetVisible() || c->GetComponentState().Contains(csDesigning))) return false;
    if (!(c->GetEnabled() || allowDisabled)) return false;
    TRect r = c->GetBoundsRect();
    if (pos.X < r.Left || pos.X >= r.Right || pos.Y < r.Top || pos.Y >= r.Bottom) return false;
    return c->Perform(CM_HITTEST, 0, PointToLParam(pos.X - r.Left, pos.Y - r.Top)) != 0;
  };
  if (allWinControls)
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
      if (hits(*it)) return *it;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (hits(*it)) return *it;
  return nullptr;
}

TControl* TWinControl::FindChildControl(const std::string& name) const {
  for (TControl* c : FControls)
    if (vcl::detail::SameName(c->GetName(), name)) return c;
  for (TControl* c : FWinControls)
    if (vcl::detail::SameName(c->GetName(), name)) return c;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (int i = 0; i < GetControlCount(); i++) {
    GetControls(i)->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::ShowControl(TControl*) {
  if (FParent) FParent->ShowControl(this);
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage m{msg, 0, 0, 0};
  Broadcast(m);
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < GetControlCount(); i++) {
    TControl* c = GetControls(i);
    if (c->GetOwner() == root) proc(c);
  }
}

void TWinControl::SetChildOrder(TComponent* child, int order) {
  if (auto* w = dynamic_cast<TWinControl*>(child)) {
    auto it = std::find(FWinControls.begin(), FWinControls.end(), w);
    if (it == FWinControls.end()) return;
    FWinControls.erase(it);
    FWinControls.insert(FWinControls.begin() + std::clamp<long>(order, 0, static_cast<long>(FWinControls.size())), w);
  } else if (auto* c = dynamic_cast<TControl*>(child)) {
    auto it = std::find(FControls.begin(), FControls.end(), c);
    if (it == FControls.end()) return;
    FControls.erase(it);
    FControls.insert(FControls.begin() + std::clamp<long>(order, 0, static_cast<long>(FControls.size())), c);
  }
}

void TWinControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFocusedControl) FFocusedControl = nullptr;
}

void TWinControl::Loaded() {
  inherited::Loaded();
  Realign();
  UpdateShowing();
}

// Showing and bounds ----------------------------------------------------------

void TWinControl::UpdateShowing() {
  // A window exists only under a parent that shows; a control without
  // parent is the top of its tree.
  for (TWinControl* p = FParent; p; p = p->FParent)
    if (!p->FShowing) return;
  bool show = (FVisible || GetComponentState().Contains(csDesigning)) && !FControlState.Contains(csReadingState) &&
              !GetComponentState().Contains(csLoading);
  if (show) {
    if (!FHandle) CreateHandle();
    if (!FShowing) {
      FShowing = true;
      Perform(CM_SHOWINGCHANGED, 0, 0);
    }
    for (TWinControl* child : FWinControls) child->UpdateShowing();
  } else {
    if (FShowing) {
      FShowing = false;
      if (FHandle) Perform(CM_SHOWINGCHANGED, 0, 0);
    }
    for (TWinControl* child : FWinControls)
      if (child->FShowing) {
        child->FShowing = false;
        if (child->FHandle) child->Perform(CM_SHOWINGCHANGED, 0, 0);
      }
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage& m) {
  (void)m;
  if (!FVisible && FParent) {
    TWinControl* top = GetTopParent(this);
    if (top && top->FFocusedControl && (top->FFocusedControl == this || ContainsControl(top->FFocusedControl)))
      top->FFocusedControl = nullptr;
  }
  UpdateShowing();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND parent = ::GetParent(FHandle);
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&r), 2);
  }
  FLeft = r.left;
  FTop = r.top;
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  FConstraints->Constrain(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  bool resized = AWidth != FWidth || AHeight != FHeight;
  if (FHandle) {
    // The window's WM_MOVE and WM_SIZE bring the new bounds back (and
    // realign the children).
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();
  } else {
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (resized) Realign();
  }
  UpdateAnchorRules();
  RequestAlign();
  if (resized && !FHandle && !GetComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMSize(TMessage& m) {
  UpdateBounds();
  DefaultHandler(m);
  Realign();
  if (!GetComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMMove(TMessage& m) {
  UpdateBounds();
  DefaultHandler(m);
}

TRect TWinControl::GetClientRect() {
  if (!FHandle) return TRect(0, 0, FWidth, FHeight);
  RECT r;
  ::GetClientRect(FHandle, &r);
  return r;
}

TPoint TWinControl::GetClientOrigin() {
  if (!FHandle) return TControl::GetClientOrigin();
  POINT p{0, 0};
  ::ClientToScreen(FHandle, &p);
  return p;
}

// Alignment -------------------------------------------------------------------

void TWinControl::DisableAlign() {
  FAlignLevel++;
}

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
  AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* control) {
  if (GetComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0 || GetComponentState().Contains(csLoading)) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  TRect r = GetClientRect();
  AlignControls(control, r);
  FControlState.Exclude(csAlignmentNeeded);
  EnableAlign();
}

namespace {
// Whether c1 goes before c2 among the controls of one alignment: the one
// nearer the edge they align to comes first.
bool InsertBefore(TControl* c1, TControl* c2, TAlign align) {
  switch (align) {
    case alTop: return c1->GetTop() < c2->GetTop();
    case alBottom: return c1->GetTop() + c1->GetHeight() >= c2->GetTop() + c2->GetHeight();
    case alLeft: return c1->GetLeft() < c2->GetLeft();
    case alRight: return c1->GetLeft() + c1->GetWidth() >= c2->GetLeft() + c2->GetWidth();
    default: return false;
  }
}

void DoPosition(TControl* c, TAlign align, TRect& r) {
  int left = c->GetLeft(), top = c->GetTop(), width = c->GetWidth(), height = c->GetHeight();
  switch (align) {
    case alTop:
      left = r.Left;
      top = r.Top;
      width = r.Width();
      r.Top += height;
      break;
    case alBottom:
      left = r.Left;
      r.Bottom -= height;
      top = r.Bottom;
      width = r.Width();
      break;
    case alLeft:
      left = r.Left;
      top = r.Top;
      height = r.Height();
      r.Left += width;
      break;
    case alRight:
      r.Right -= width;
      left = r.Right;
      top = r.Top;
      height = r.Height();
      break;
    case alClient:
      left = r.Left;
      top = r.Top;
      width = r.Width();
      height = r.Height();
      break;
    default: return;
  }
  c->SetBounds(left, top, std::max<LONG>(width, 0), std::max<LONG>(height, 0));
}
}  // namespace

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  for (int i = 0; i < GetControlCount(); i++) GetControls(i)->ApplyAnchorRules(rect.Width(), rect.Height());
  AdjustClientRect(rect);
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    auto counts = [&](TControl* c) {
      return c->GetAlign() == align && (c->GetVisible() || c->GetComponentState().Contains(csDesigning));
    };
    std::vector<TControl*> list;
    // The control that asked comes first among equals: it is where the user put it.
    if (control && counts(control)) list.push_back(control);
    for (int i = 0; i < GetControlCount(); i++) {
      TControl* c = GetControls(i);
      if (c == control || !counts(c)) continue;
      size_t j = 0;
      while (j < list.size() && !InsertBefore(c, list[j], align)) j++;
      list.insert(list.begin() + static_cast<long>(j), c);
    }
    for (TControl* c : list) DoPosition(c, align, rect);
  }
  ControlsAligned();
}

void TWinControl::ScaleBy(int m, int d) {
  if (d == 0) return;
  DisableAlign();
  for (int i = 0; i < GetControlCount(); i++) {
    TControl* c = GetControls(i);
    c->SetBounds(MulDiv(c->GetLeft(), m, d), MulDiv(c->GetTop(), m, d), MulDiv(c->GetWidth(), m, d),
                 MulDiv(c->GetHeight(), m, d));
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->ScaleBy(m, d);
  }
  EnableAlign();
}

// Painting --------------------------------------------------------------------

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::CMInvalidate(TMessage&) {
  Invalidate();
}

void TWinControl::WMPaint(TMessage& m) {
  if (!FDoubleBuffered || m.WParam != 0) {
    PaintHandler(m);
    return;
  }
  // Paint into a memory bitmap first so that the window never shows a
  // half-drawn state.
  TRect client = GetClientRect();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  if (client.Right <= 0 || client.Bottom <= 0) {
    EndPaint(FHandle, &ps);
    return;
  }
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.Right, client.Bottom);
  ReleaseDC(nullptr, screen);
  HDC memDC = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memDC, bitmap);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memDC), reinterpret_cast<LPARAM>(memDC));
  TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(memDC), 0, 0};
  PaintHandler(inner);
  BitBlt(dc, 0, 0, client.Right, client.Bottom, memDC, 0, 0, SRCCOPY);
  SelectObject(memDC, old);
  DeleteDC(memDC);
  DeleteObject(bitmap);
  EndPaint(FHandle, &ps);
}

void TWinControl::PaintHandler(TMessage& message) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc) dc = BeginPaint(FHandle, &ps);
  if (FControls.empty()) {
    PaintWindow(dc);
  } else {
    // Opaque graphic children cover their part: the window leaves it alone.
    int saved = SaveDC(dc);
    int clip = SIMPLEREGION;
    for (TControl* c : FControls)
      if ((c->GetVisible() || c->GetComponentState().Contains(csDesigning)) &&
          c->GetControlStyle().Contains(csOpaque)) {
        clip =
            ExcludeClipRect(dc, c->GetLeft(), c->GetTop(), c->GetLeft() + c->GetWidth(), c->GetTop() + c->GetHeight());
        if (clip == NULLREGION) break;
      }
    if (clip != NULLREGION) PaintWindow(dc);
    RestoreDC(dc, saved);
  }
  PaintControls(dc, nullptr);
  if (message.WParam == 0) EndPaint(FHandle, &ps);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  size_t i = 0;
  if (first) {
    auto it = std::find(FControls.begin(), FControls.end(), first);
    if (it != FControls.end()) i = static_cast<size_t>(it - FControls.begin());
  }
  for (; i < FControls.size(); i++) {
    TControl* c = FControls[i];
    if (!(c->GetVisible() || c->GetComponentState().Contains(csDesigning))) continue;
    RECT r = c->GetBoundsRect();
    if (!RectVisible(dc, &r)) continue;
    if (FControlState.Contains(csPaintCopy)) c->FControlState.Include(csPaintCopy);
    int saved = SaveDC(dc);
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x - c->GetLeft(), org.y - c->GetTop(), nullptr);
    IntersectClipRect(dc, 0, 0, c->GetWidth(), c->GetHeight());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    c->FControlState.Exclude(csPaintCopy);
  }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  int saved = SaveDC(dc);
  POINT org;
  GetWindowOrgEx(dc, &org);
  SetWindowOrgEx(dc, org.x - x, org.y - y, nullptr);
  TRect client = GetClientRect();
  IntersectClipRect(dc, 0, 0, client.Right, client.Bottom);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  for (TWinControl* w : FWinControls)
    if (w->GetVisible()) w->PaintTo(dc, w->GetLeft(), w->GetTop());
  RestoreDC(dc, saved);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  RECT r = GetClientRect();
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, FBrush->GetHandle());
  m.Result = 1;
}

void TWinControl::CMColorChanged(TMessage& m) {
  FBrush->SetColor(FColor);
  NotifyControls(CM_PARENTCOLORCHANGED);
  (void)m;
  Invalidate();
}

void TWinControl::FontChanged(TObject* sender) {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->GetHandle()), 0);
  TControl::FontChanged(sender);
}

void TWinControl::CMFontChanged(TMessage& m) {
  (void)m;
  NotifyControls(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) {
  NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (!GetEnabled() && FParent) {
    TWinControl* top = GetTopParent(this);
    if (top && top->FFocusedControl == this) top->FFocusedControl = nullptr;
  }
  if (FHandle) EnableWindow(FHandle, GetEnabled() ? TRUE : FALSE);
  Invalidate();
}

// Reflection ------------------------------------------------------------------

void TWinControl::ReflectTo(TMessage& message, HWND child) {
  TWinControl* control = FindControl(child);
  if (control && control != this) {
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::WMCommand(TMessage& m) {
  ReflectTo(m, reinterpret_cast<HWND>(m.LParam));
}

void TWinControl::WMNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  ReflectTo(m, header ? header->hwndFrom : nullptr);
}

void TWinControl::WMDrawItem(TMessage& m) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  ReflectTo(m, item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr);
}

void TWinControl::WMMeasureItem(TMessage& m) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  HWND child =
      item && item->CtlType != ODT_MENU && FHandle ? GetDlgItem(FHandle, static_cast<int>(item->CtlID)) : nullptr;
  ReflectTo(m, child);
}

void TWinControl::WMDeleteItem(TMessage& m) {
  auto* item = reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam);
  ReflectTo(m, item ? item->hwndItem : nullptr);
}

namespace {
// The leading fields of WM_COMPAREITEM's record, all this needs of it.
struct CompareItemHead {
  UINT CtlType;
  UINT CtlID;
  HWND hwndItem;
};
}  // namespace

void TWinControl::WMCompareItem(TMessage& m) {
  auto* item = reinterpret_cast<CompareItemHead*>(m.LParam);
  ReflectTo(m, item ? item->hwndItem : nullptr);
}

void TWinControl::WMScroll(TMessage& m) {
  ReflectTo(m, reinterpret_cast<HWND>(m.LParam));
}

void TWinControl::WMCtlColor(TMessage& m) {
  ReflectTo(m, reinterpret_cast<HWND>(m.LParam));
}

// Window procedure, mouse -----------------------------------------------------

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS: {
      TWinControl* top = GetTopParent(this);
      if (top && !top->SetFocusedControl(this)) return;
      break;
    }
    default:
      if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MBUTTONDBLCLK) {
        TrackMouseControl(message);
        if (IsControlMouseMsg(message)) {
          if (message.Result == 0 && FHandle) DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam);
          return;
        }
      }
      break;
  }
  TControl::WndProc(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message) {
  TControl* control = nullptr;
  if (FHandle && GetCapture() == FHandle) {
    TControl* captured = GetCaptureControl();
    if (captured && captured != this && captured->GetParent() == this) control = captured;
  } else {
    control = ControlAtPos(TPoint(message.XPos(), message.YPos()), false);
  }
  if (!control) return false;
  message.Result =
      control->Perform(message.Msg, message.WParam,
                       PointToLParam(message.XPos() - control->GetLeft(), message.YPos() - control->GetTop()));
  return true;
}

void TWinControl::TrackMouseControl(TMessage& message) {
  if (message.Msg != WM_MOUSEMOVE || !FHandle) return;
  TControl* target = nullptr;
  if (GetCapture() == FHandle) {
    target = GetCaptureControl();
    if (!target || (target != this && target->GetParent() != this)) target = this;
  } else {
    target = ControlAtPos(TPoint(message.XPos(), message.YPos()), false);
    if (!target) target = this;
  }
  if (target != vcl::GetMouseControl()) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = FHandle;
    TrackMouseEvent(&track);
    vcl::SetMouseControl(target);
  }
}

void TWinControl::WMContextMenu(TMessage& m) {
  // A window-less child under the pointer gets the first say.
  if (m.XPos() != -1 || m.YPos() != -1) {
    TControl* child = ControlAtPos(ScreenToClient(TPoint(m.XPos(), m.YPos())), false);
    if (child) {
      m.Result = child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
      if (m.Result != 0) return;
    }
  }
  InheritedMessage(m);
}

void TWinControl::WMMouseLeave(TMessage& m) {
  TControl* current = vcl::GetMouseControl();
  if (current && (current == this || current->GetParent() == this)) vcl::SetMouseControl(nullptr);
  DefaultHandler(m);
}

void TWinControl::WMSetCursor(TMessage& m) {
  if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == FHandle && Screen) {
    TCursor cursor = Screen->GetCursor();
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* control = ControlAtPos(ScreenToClient(p), false);
      if (control) cursor = control->GetCursor();
      if (cursor == crDefault) cursor = FCursor;
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->GetCursors(cursor));
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

bool TWinControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, POINT(mousePos), handled);
  return handled;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) {
    TControl::DefaultHandler(message);
    return;
  }
  message.Result =
      CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, message.Msg, message.WParam, message.LParam);
}

// Focus -----------------------------------------------------------------------

int TWinControl::GetTabOrder() const {
  if (!FParent) return -1;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!FParent || value == GetTabOrder()) return;
  UpdateTabOrder(value);
}

void TWinControl::UpdateTabOrder(int value) {
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (value < 0 || value > static_cast<int>(list.size())) value = static_cast<int>(list.size());
  list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value) {
  if (FTabStop == value) return;
  FTabStop = value;
  if (FHandle) {
    LONG style = GetWindowLongA(FHandle, GWL_STYLE);
    SetWindowLongA(FHandle, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG>(WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

bool TWinControl::CanFocus() {
  for (TWinControl* c = this; c; c = c->FParent)
    if (!(c->FVisible && c->GetEnabled())) return false;
  return true;
}

bool TWinControl::Focused() {
  return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
  TWinControl* top = GetTopParent(this);
  if (top && top != this)
    top->FocusControl(this);
  else
    ::SetFocus(GetHandle());
}

void TWinControl::FocusControl(TWinControl* control) {
  if (control && control->CanFocus()) ::SetFocus(control->GetHandle());
}

bool TWinControl::SetFocusedControl(TWinControl* control) {
  if (FFocusedControl == control) return true;
  TWinControl* old = FFocusedControl;
  FFocusedControl = control;
  // A tree being torn down moves no focus its events could see.
  if (GetComponentState().Contains(csDestroying)) return true;
  if (old) old->Perform(CM_EXIT, 0, 0);
  if (control && FFocusedControl == control) control->Perform(CM_ENTER, 0, 0);
  return true;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : FTabList) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  auto found = std::find(list.begin(), list.end(), current);
  int count = static_cast<int>(list.size());
  int start = found == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    if (goForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c->CanFocus() && (!checkTabStop || c->FTabStop) && (!checkParent || c->FParent == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectFirst() {
  TWinControl* c = FindNextControl(nullptr, true, true, false);
  if (!c) c = FindNextControl(nullptr, true, false, false);
  if (c) c->SetFocus();
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  TWinControl* c = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
  if (c) c->SetFocus();
}

void TWinControl::WMSetFocus(TMessage& m) {
  DefaultHandler(m);
}
void TWinControl::WMKillFocus(TMessage& m) {
  DefaultHandler(m);
}

void TWinControl::CMEnter(TMessage&) {
  DoEnter();
}
void TWinControl::CMExit(TMessage&) {
  DoExit();
}
void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// Keys ------------------------------------------------------------------------

bool TWinControl::DoKeyDown(TMessage& m) {
  TWinControl* top = GetTopParent(this);
  if (top && top != this && top->GetKeyPreview() && top->DoKeyDown(m)) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  WORD key = m.CharCode();
  KeyDown(key, KeyDataToShiftState(m.LParam));
  if (key == 0) return true;
  m.WParam = key;
  return false;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  TWinControl* top = GetTopParent(this);
  if (top && top != this && top->GetKeyPreview() && top->DoKeyPress(m)) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  char ch = static_cast<char>(m.WParam);
  KeyPress(ch);
  if (ch == 0) return true;
  m.WParam = static_cast<unsigned char>(ch);
  return false;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  TWinControl* top = GetTopParent(this);
  if (top && top != this && top->GetKeyPreview() && top->DoKeyUp(m)) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  WORD key = m.CharCode();
  KeyUp(key, KeyDataToShiftState(m.LParam));
  if (key == 0) return true;
  m.WParam = key;
  return false;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}
void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}
void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::WMKeyDown(TMessage& m) {
  if (!DoKeyDown(m)) DefaultHandler(m);
}
void TWinControl::WMChar(TMessage& m) {
  if (!DoKeyPress(m)) DefaultHandler(m);
}
void TWinControl::WMKeyUp(TMessage& m) {
  if (!DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::CNKeyDown(TMessage& m) {
  m.Result = 1;
  if (!GetComponentState().Contains(csDesigning)) {
    if (Perform(CM_CHILDKEY, m.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    LRESULT mask = 0;
    switch (m.CharCode()) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN:
      case VK_EXECUTE:
      case VK_ESCAPE:
      case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
      default: break;
    }
    TWinControl* top = GetTopParent(this);
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, m.WParam, m.LParam) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 && top && top->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0)
      return;
  }
  m.Result = 0;
}

void TWinControl::CNChar(TMessage& m) {
  m.Result = 1;
  if (!GetComponentState().Contains(csDesigning)) {
    TWinControl* top = GetTopParent(this);
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && top &&
        top->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
      return;
  }
  m.Result = 0;
}

void TWinControl::CMChildKey(TMessage& m) {
  if (FParent) m.Result = FParent->Perform(CM_CHILDKEY, m.WParam, m.LParam);
}

void TWinControl::CMDialogKey(TMessage& m) {
  // The top of a tree moves the focus; a form replaces this with its own.
  if (!FParent && GetKeyState(VK_MENU) >= 0) {
    switch (m.CharCode()) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FFocusedControl, GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FFocusedControl && FFocusedControl->FParent) {
          FFocusedControl->FParent->SelectNext(FFocusedControl, m.CharCode() == VK_RIGHT || m.CharCode() == VK_DOWN,
                                               false);
          m.Result = 1;
        }
        return;
      default: break;
    }
  }
  Broadcast(m);
}

void TWinControl::CMDialogChar(TMessage& m) {
  Broadcast(m);
}
