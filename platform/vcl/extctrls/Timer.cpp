#include "platform/vcl/extctrls/Timer.h"

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/windows.h"

namespace {

constexpr char kTimerWindowClass[] = "DrumsVclTimerWindow";
constexpr UINT_PTR kTimerId = 1;

bool RegisterTimerClass(WNDPROC proc) {
  WNDCLASSA existing{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kTimerWindowClass, &existing)) return true;
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kTimerWindowClass;
  return RegisterClassA(&wc) != 0;
}

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  // Enabled with its interval from the start (a form's timer starts when
  // its form data is read).
  UpdateTimer();
}

TTimer::~TTimer() {
  if (FWindow) {
    KillTimer(FWindow, kTimerId);
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
    DestroyWindow(FWindow);
  }
}

void TTimer::Publish(TPublisher<TTimer>& p) {
  p.Prop("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled).Default(true);
  p.Prop("Interval", &TTimer::GetInterval, &TTimer::SetInterval).Default(1000);
  p.Prop("OnTimer", &TTimer::OnTimer);
}

void TTimer::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  if (FInterval == value) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::Loaded() {
  inherited::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (GetComponentState().Contains(csLoading) || GetComponentState().Contains(csDesigning)) return;
  if (FWindow) KillTimer(FWindow, kTimerId);
  if (!FEnabled || FInterval == 0) return;
  if (!FWindow) {
    if (!RegisterTimerClass(&WindowProc)) throw EOutOfResources("Not enough timers available");
    FWindow = CreateWindowExA(0, kTimerWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!FWindow) throw EOutOfResources("Not enough timers available");
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (!SetTimer(FWindow, kTimerId, FInterval, nullptr)) throw EOutOfResources("Not enough timers available");
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

LRESULT CALLBACK TTimer::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg != WM_TIMER || !timer) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (timer->FInTimer) return 0;
  // The handler may free the timer (and this window).
  TWeakRef<TTimer> alive(timer);
  timer->FInTimer = true;
  try {
    timer->Timer();
  } catch (...) {
    if (alive) timer->FInTimer = false;
    if (Application) Application->HandleException(alive.Get());
    return 0;
  }
  if (alive) timer->FInTimer = false;
  return 0;
}
