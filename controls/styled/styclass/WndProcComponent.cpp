#include "controls/styled/styclass/WndProcComponent.h"

#include <array>
#include <cstring>

#include "platform/vcl/Forms.h"

// Window procedures that call one component each: the library's procedure
// instances. A fixed set of distinct entry points lets several components
// hook the same window, each keeping the procedure it replaced.
struct StyWndProcThunks {
  static constexpr int kCount = 32;
  static inline std::array<TStyWndProcComponent*, kCount> owners{};

  template <int N>
  static LRESULT CALLBACK Entry(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TStyWndProcComponent* c = owners[N];
    if (!c) return DefWindowProcA(hwnd, msg, wParam, lParam);
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    c->WndProc(m);
    return m.Result;
  }

  template <int... N>
  static constexpr std::array<WNDPROC, kCount> Make(std::integer_sequence<int, N...>) {
    return {&Entry<N>...};
  }
  static inline const std::array<WNDPROC, kCount> entries = Make(std::make_integer_sequence<int, kCount>{});

  static int Take(TStyWndProcComponent* c) {
    for (int i = 0; i < kCount; ++i)
      if (!owners[static_cast<size_t>(i)]) {
        owners[static_cast<size_t>(i)] = c;
        return i;
      }
    return -1;
  }
  static void Free(int i) {
    if (i >= 0) owners[static_cast<size_t>(i)] = nullptr;
  }
  // The component hooked onto the same window right over c, whose previous
  // procedure is c's entry; none when c is on top or another subclass is.
  static TStyWndProcComponent* HookedOver(const TStyWndProcComponent* c) {
    const WNDPROC entry = entries[static_cast<size_t>(c->FInstance)];
    for (TStyWndProcComponent* o : owners)
      if (o && o != c && o->FHookedWindow == c->FHookedWindow && o->FPrevWndProc == entry) return o;
    return nullptr;
  }
};

TStyWndProcComponent::TStyWndProcComponent(TComponent* AOwner) : TStyComponent(AOwner) {}

TStyWndProcComponent::~TStyWndProcComponent() {
  Unhook();
}

void TStyWndProcComponent::Loaded() {
  inherited::Loaded();
  if (!GetComponentState().Contains(csDesigning)) Activate();
}

bool TStyWndProcComponent::MainWindowHook(TMessage&) {
  return true;
}

void TStyWndProcComponent::Activate() {
  if (FEnabled && !GetHooked()) Hook();
}

void TStyWndProcComponent::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  if (GetComponentState().Contains(csDesigning)) return;
  if (value)
    Activate();
  else
    Deactivate();
}

HWND TStyWndProcComponent::TargetWindow() const {
  auto* form = dynamic_cast<TWinControl*>(const_cast<TStyWndProcComponent*>(this)->GetOwner());
  if (!form) return nullptr;
  try {
    return form->GetHandle();
  } catch (...) {
    return nullptr;
  }
}

bool TStyWndProcComponent::HandleReady() const {
  auto* form = dynamic_cast<TWinControl*>(const_cast<TStyWndProcComponent*>(this)->GetOwner());
  if (!form || !form->HandleAllocated()) return false;
  const TComponentState state = form->GetComponentState();
  return !state.Contains(csLoading) && !state.Contains(csDestroying);
}

bool TStyWndProcComponent::Hook() {
  if (GetComponentState().Contains(csDesigning) || GetHooked()) return false;
  try {
    HWND target = TargetWindow();
    if (!target) return false;
    FClosing = false;
    FInstance = StyWndProcThunks::Take(this);
    if (FInstance < 0) return false;
    FHookedWindow = target;
    FPrevWndProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StyWndProcThunks::entries[static_cast<size_t>(FInstance)])));
    if (!FPrevWndProc) {
      Unhook();
      return false;
    }
    return true;
  } catch (...) {
    Unhook();
    return false;
  }
}

bool TStyWndProcComponent::Unhook() {
  if (FHookedWindow && FPrevWndProc && FInstance >= 0 && IsWindow(FHookedWindow)) {
    // Another component hooked later sits on top: it is handed the procedure
    // this one replaced, so the chain stays whole and no freed entry is left
    // on the window.
    if (TStyWndProcComponent* over = StyWndProcThunks::HookedOver(this))
      over->FPrevWndProc = FPrevWndProc;
    else
      SetWindowLongPtrA(FHookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevWndProc));
  }
  StyWndProcThunks::Free(FInstance);
  FInstance = -1;
  FPrevWndProc = nullptr;
  FHookedWindow = nullptr;
  FClosing = false;
  return true;
}

LRESULT TStyWndProcComponent::CallPrevious(TMessage& Message) {
  if (!FPrevWndProc) return 0;
  return CallWindowProcA(FPrevWndProc, FHookedWindow, Message.Msg, Message.WParam, Message.LParam);
}

void TStyWndProcComponent::WndProc(TMessage& Message) {
  if (FClosing) return;
  if (Message.Msg == WM_DESTROY) FClosing = true;
  Message.Result = CallPrevious(Message);
}

StyEOneInstError::StyEOneInstError(const std::string& Name, int Kind) : Exception(std::string()) {
  if (Kind == 0)
    SetMessage(Name + ":\rInvalid owner (<>TForm) or second instance on a form");
  else if (Kind == 1)
    SetMessage(Name + ":\rAlready one " + Name + " control in this project!");
}

bool CheckOwnerForm(TComponent* Owner, TClass ComponentClass, bool AllowDataModule) {
  if (!ComponentClass) return false;
  if (!Owner) return true;
  bool isForm = dynamic_cast<TCustomForm*>(Owner) != nullptr;
  if (!isForm && AllowDataModule) {
    for (TClass c = Owner->ClassType(); c; c = c->Parent)
      if (std::strcmp(c->Name, "TDataModule") == 0) isForm = true;
  }
  if (!isForm) return true;
  int count = 0;
  for (int i = 0; i < Owner->GetComponentCount(); ++i)
    if (Owner->GetComponents(i)->InheritsFrom(ComponentClass)) ++count;
  return count > 1;
}
