#include "platform/vcl/classes/components/DeferredRelease.h"

#include <cstring>
#include <list>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/win/windows.h"

namespace {

constexpr char kReleaseWindowClass[] = "DrumsVclReleaseWindow";
constexpr UINT kReleaseMessage = WM_USER + 1;

// Weak references, so that a component freed meanwhile drops out by itself.
std::list<TWeakRef<>>& Pending() {
  static std::list<TWeakRef<>> pending;
  return pending;
}

HWND releaseWindow = nullptr;

void FreePending() {
  // Freeing one may release others (a form's OnDestroy): those wait for the
  // next message, posted by their own ReleaseComponent.
  std::list<TWeakRef<>> due;
  due.swap(Pending());
  for (TWeakRef<>& ref : due) {
    TComponent* component = ref.Get();
    if (component == nullptr) continue;
    component->BeforeDestruction();
    // BeforeDestruction's handlers may have freed it already.
    delete ref.Get();
  }
}

LRESULT CALLBACK ReleaseWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kReleaseMessage) {
    FreePending();
    return 0;
  }
  if (msg == WM_NCDESTROY && hwnd == releaseWindow) releaseWindow = nullptr;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool IsReleaseWindow(HWND hwnd) {
  char name[sizeof(kReleaseWindowClass) + 1] = {};
  return hwnd != nullptr && IsWindow(hwnd) && GetClassNameA(hwnd, name, sizeof(name)) > 0 &&
         std::strcmp(name, kReleaseWindowClass) == 0;
}

// A hidden window of the library's own, so that the message reaches the
// release whatever becomes of the component's windows and whichever loop
// dispatches it.
HWND ReleaseWindow() {
  if (IsReleaseWindow(releaseWindow)) return releaseWindow;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (!GetClassInfoA(instance, kReleaseWindowClass, &existing)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ReleaseWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kReleaseWindowClass;
    RegisterClassA(&wc);
  }
  releaseWindow =
      CreateWindowExA(0, kReleaseWindowClass, "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  return releaseWindow;
}

}  // namespace

void ReleaseComponent(TComponent* component) {
  if (component == nullptr) return;
  for (const TWeakRef<>& ref : Pending())
    if (ref.Get() == component) return;
  Pending().emplace_back(component);
  // Without a window to post to, the component stays until its owner frees
  // it or the next release's message comes.
  if (HWND window = ReleaseWindow()) PostMessageA(window, kReleaseMessage, 0, 0);
}
