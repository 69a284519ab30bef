#include "platform/vcl/forms/Application.h"
#include "platform/vcl/dialogs/Dialog.h"
#include "platform/vcl/menus/Menu.h"

#include <utility>

#include "platform/vcl/classes/threads/Thread.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/controls/ActionList.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/forms/ExceptionText.h"
#include "platform/vcl/forms/Form.h"
#include "platform/vcl/forms/HelpRoute.h"
#include "platform/vcl/graphics/GraphicsUnit.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/StartCount.h"
#include "platform/win/drums_ext.h"
#include "platform/win/winbase.h"

TApplication* Application = nullptr;

namespace vcl::forms {
void RegisterFormClasses();  // ApplicationForms.cpp
}  // namespace vcl::forms
namespace vcl::comctrls {
void RegisterViewClasses();  // comctrls/RegisterViews.cpp
void RegisterComCtrlsClasses();  // comctrls/Registration.cpp
}  // namespace vcl::comctrls
namespace vcl {
void RegisterGridClasses();  // grids/GridClasses.cpp
}

namespace {

constexpr const char* kAppWindowClass = "TApplication";

LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Application == nullptr || !Application->HandleAllocated() || Application->GetHandle() != hwnd)
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage message;
  message.Msg = msg;
  message.WParam = wParam;
  message.LParam = lParam;
  // Exceptions never travel through the window manager: they are reported here.
  try {
    Application->WndProc(message);
  } catch (...) {
    Application->HandleException(Application);
  }
  return message.Result;
}

void RegisterAppWindowClass() {
  WNDCLASSA wc{};
  if (GetClassInfoA(nullptr, kAppWindowClass, &wc)) return;
  wc.lpfnWndProc = AppWindowProc;
  wc.lpszClassName = kAppWindowClass;
  RegisterClassA(&wc);
}

}  // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  // The title starts as the program's file name without folder or extension.
  std::string exe = GetExeName();
  std::size_t slash = exe.find_last_of("\\/");
  std::string name = slash == std::string::npos ? exe : exe.substr(slash + 1);
  std::size_t dot = name.find_last_of('.');
  FTitle = dot == std::string::npos ? name : name.substr(0, dot);
}

TApplication::~TApplication() {
  Destroying();
  win::user::SetIdleHook(nullptr);
  SetWakeMainThread(nullptr);
  vcl::SetWindowProcExceptionHook(nullptr);
  win::user::SetWndProcExceptionHandler(nullptr);
  vcl::SetHintMouseHook(nullptr);
  CancelHint();
  // The forms are owned components: they go first, while the window exists,
  // each told before its deletion begins (OnDestroy).
  for (int i = GetComponentCount() - 1; i >= 0; i--)
    if (auto* form = dynamic_cast<TCustomForm*>(GetComponents(i))) form->BeforeDestruction();
  DestroyComponents();
  if (FHandle != nullptr) {
    HWND handle = FHandle;
    FHandle = nullptr;
    DestroyWindow(handle);
  }
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  GetHandle();
}

void TApplication::CreateHandle() {
  RegisterAppWindowClass();
  FHandle = CreateWindowExA(0, kAppWindowClass, FTitle.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                            0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  // Every modal loop of the window manager runs the same idle handler as ours.
  win::user::SetIdleHook([this] { return DoIdle(); });
  // A thread handing a call over wakes the loop so that it runs at once.
  HWND handle = FHandle;
  SetWakeMainThread([handle] { PostMessageA(handle, WM_NULL, 0, 0); });
  // An exception leaving a control's window procedure is reported here and
  // the program goes on.
  vcl::SetWindowProcExceptionHook([this](std::exception_ptr error) { HandleException(this, error); });
  // So is one from a message another thread sent, on this thread.
  win::user::SetWndProcExceptionHandler([this](std::exception_ptr error) { HandleException(this, error); });
  vcl::SetHintMouseHook([this](TControl* control, TMessage& message) { HintMouseMessage(control, message); });
}

HWND TApplication::GetHandle() {
  if (FHandle == nullptr) CreateHandle();
  return FHandle;
}

std::string TApplication::GetExeName() const {
  char path[4096] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
  return std::string(path, n);
}

void TApplication::SetTitle(const std::string& value) {
  if (value == FTitle) return;
  FTitle = value;
  if (FHandle != nullptr) SetWindowTextA(FHandle, FTitle.c_str());
}

// ---- The message loop -------------------------------------------------

bool TApplication::IsKeyMsg(MSG& msg) {
  // Dialog keys (Tab, arrows, Enter, Escape) go to the controls first.
  return vcl::IsKeyMsg(msg);
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminate = true;
    return true;
  }
  bool handled = false;
  if (OnMessage) OnMessage(msg, handled);
  if (!handled && !IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {}
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::Idle() {
  // The window manager's helper runs our idle hook (DoIdle) and then waits
  // for a message, or when not done only until the next millisecond or the
  // time a handler asked for.
  win::user::IdleThenWait();
}

bool TApplication::DoIdle() {
  IdlePass pass;
  {
    // The pass's state is this one's until the handlers are through, even
    // should the walk itself fail.
    struct Current {
      IdlePass*& slot;
      IdlePass* outer;
      ~Current() { slot = outer; }
    } current{FIdlePass, std::exchange(FIdlePass, &pass)};
    CallIdleHandler(OnIdle);
    FIdleHandlers.ForEach([this](TIdleEvent& handler) {
      CallIdleHandler(std::move(handler));
      return false;
    });
  }
  // Calls other threads handed over run here; then the loop looks around
  // once more at once (a message in the queue ends the wait before it
  // starts), since what ran may have left work behind.
  if (IsMainThread() && CheckSynchronize()) PostMessageA(FHandle, WM_NULL, 0, 0);
  if (!pass.wake) return pass.done;
  // The window manager waits until the asked time only when the hook says
  // it is not done. A handler that wants to run again soon keeps the wait
  // to the next millisecond, unless a time asked for comes even earlier.
  const std::uint64_t nextMillisecond = (win::clock::NowMicros() / 1000 + 1) * 1000;
  if (!pass.soon || *pass.wake < nextMillisecond) win::user::SetIdleWakeTime(*pass.wake);
  return false;
}

void TApplication::CallIdleHandler(TIdleEvent handler) {
  if (!handler) return;
  IdlePass& pass = *FIdlePass;
  pass.asked = false;
  bool done = true;
  try {
    handler(this, done);
  } catch (...) {
    HandleException(this);
  }
  if (!done && !pass.asked) pass.soon = true;
  pass.done = pass.done && done;
}

void TApplication::AddIdleHandler(const void* owner, TIdleEvent handler) {
  FIdleHandlers.Set(owner, std::move(handler));
}

void TApplication::RemoveIdleHandler(const void* owner) {
  FIdleHandlers.Remove(owner);
}

void TApplication::WakeNoLaterThan(std::uint64_t micros) {
  if (FIdlePass == nullptr) return;
  FIdlePass->asked = true;
  if (!FIdlePass->wake || micros < *FIdlePass->wake) FIdlePass->wake = micros;
}

void TApplication::Terminate() {
  PostQuitMessage(0);
}

// ---- Exceptions ---------------------------------------------------------

void TApplication::HandleException(TObject* Sender) {
  HandleException(Sender, std::current_exception());
}

void TApplication::HandleException(TObject* Sender, const std::exception_ptr& error) {
  if (!error || vcl::forms::IsSilent(error)) return;
  if (OnException) {
    try {
      std::rethrow_exception(error);
    } catch (Exception& e) {
      OnException(Sender, e);
      return;
    } catch (...) {
      // Not one of the library's exceptions: the handler cannot take it.
    }
  }
  ShowException(error);
}

void TApplication::ShowException(Exception& E) {
  std::string text = vcl::forms::ReportText(E.GetMessage());
  MessageBox(text, GetTitle(), MB_OK | MB_ICONSTOP);
}

void TApplication::ShowException(const std::exception_ptr& error) {
  if (!error || vcl::forms::IsSilent(error)) return;
  std::string text = vcl::forms::ReportText(vcl::forms::MessageOf(error));
  MessageBox(text, GetTitle(), MB_OK | MB_ICONSTOP);
}

// ---- Help ---------------------------------------------------------------

bool TApplication::HelpContext(int context) {
  return vcl::forms::RouteHelp(FHelpFile, HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

bool TApplication::HelpCommand(int command, LONG_PTR data) {
  return vcl::forms::RouteHelp(FHelpFile, static_cast<UINT>(command), static_cast<ULONG_PTR>(data));
}

bool TApplication::HelpJump(const std::string& jumpId) {
  std::string macro = "JumpID(\"\",\"" + jumpId + "\")";
  return vcl::forms::RouteHelp(FHelpFile, HELP_COMMAND, reinterpret_cast<ULONG_PTR>(macro.c_str()));
}

// ---- Hints --------------------------------------------------------------

void TApplication::SetHint(const std::string& value) {
  if (value == FHint) return;
  FHint = value;
  if (OnHint) OnHint(this);
}

void TApplication::SetShowHint(bool value) {
  if (value == FShowHint) return;
  FShowHint = value;
  if (!value) CancelHint();
}

// ---- Hooks and the application window -----------------------------------

void TApplication::HookMainWindow(const void* owner, TWindowHook hook) {
  FHooks.Add(owner, std::move(hook));
}

void TApplication::UnhookMainWindow(const void* owner) {
  FHooks.Remove(owner);
}

bool TApplication::CallHooks(TMessage& Message) {
  return FHooks.ForEach([&Message](const TWindowHook& hook) { return hook && hook(Message); });
}

void TApplication::WndProc(TMessage& Message) {
  if (CallHooks(Message)) return;
  switch (Message.Msg) {
    case WM_ACTIVATEAPP:
      FActive = Message.WParam != 0;
      if (FActive) {
        RestoreTopMosts();
        PostMessageA(FHandle, CM_ACTIVATE, 0, 0);
      } else {
        NormalizeTopMosts();
        PostMessageA(FHandle, CM_DEACTIVATE, 0, 0);
      }
      return;
    case CM_ACTIVATE:
      if (OnActivate) OnActivate(this);
      return;
    case CM_DEACTIVATE:
      if (OnDeactivate) OnDeactivate(this);
      return;
    case WM_SYSCOMMAND:
      switch (Message.WParam & 0xFFF0) {
        case SC_MINIMIZE: Minimize(); return;
        case SC_RESTORE: Restore(); return;
      }
      break;
    case WM_CLOSE: AppWindowClose(); return;
    case WM_TIMER: HintTimerExpired(Message.WParam); return;
    case WM_ENDSESSION:
      if (Message.WParam != 0) Terminate();
      return;
  }
  Message.Result = DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TApplication::NormalizeTopMosts() {
  if (FHandle == nullptr) return;
  if (FTopMostLevel++ > 0) return;
  // Windows that stay on top would cover a message box or another program.
  FTopMostList.clear();
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* self = reinterpret_cast<TApplication*>(data);
        if (hwnd != self->FHandle && IsWindowVisible(hwnd) &&
            (static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)) & WS_EX_TOPMOST) != 0)
          self->FTopMostList.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
  for (HWND hwnd : FTopMostList)
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TApplication::RestoreTopMosts() {
  if (FTopMostLevel == 0) return;
  if (--FTopMostLevel > 0) return;
  for (auto it = FTopMostList.rbegin(); it != FTopMostList.rend(); ++it)
    if (IsWindow(*it)) SetWindowPos(*it, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  FTopMostList.clear();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (owner == nullptr) owner = FHandle;
  NormalizeTopMosts();
  int result = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
  RestoreTopMosts();
  return result;
}

// ---- The one object -----------------------------------------------------

namespace {
TStartCount applicationStarts;
TLibraryClasses libraryClasses;
}  // namespace

void InitApplication() {
  applicationStarts.Start([] {
    RegisterGraphicsIdents();
    vcl::InitControls();
    libraryClasses.Register([] {
      vcl::forms::RegisterFormClasses();
      vcl::comctrls::RegisterViewClasses();
      vcl::menus::InitMenus();
      vcl::dialogs::RegisterDialogClasses();
      vcl::comctrls::RegisterComCtrlsClasses();
      vcl::RegisterGridClasses();
      vcl::RegisterActionClasses();
    });
    Application = new TApplication(nullptr);
  });
}

void DoneApplication() {
  applicationStarts.Done([] {
    delete Application;
    Application = nullptr;
    vcl::menus::DoneMenus();
    libraryClasses.UnRegister();
    vcl::DoneControls();
    UnRegisterGraphicsIdents();
  });
}
