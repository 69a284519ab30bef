#include "controls/styled/styclass/TimerPool.h"

#include <algorithm>
#include <limits>

#include "platform/vcl/Forms.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr const char* kWindowClass = "TStyTimerPoolWindow";

bool RegisterPoolClass(WNDPROC proc) {
  static bool registered = false;
  if (registered) return true;
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kWindowClass;
  registered = RegisterClassA(&wc) != 0;
  return registered;
}

}  // namespace

TStyTimerItem::TStyTimerItem(TStyTimerPool* Pool, WORD Ident, std::vector<TStyTimerItem*>* List)
    : FIdent(Ident), FList(List), FPool(Pool) {
  if (!Pool || !List) throw EInvalidOperation(std::string(ClassName()) + ": Invalid Owner or List");
  // The divider must be right before the first tick can reach the item.
  FDivider = std::max(1, FInterval / std::max<int>(1, Pool->GetMinInterval()));
  FList->push_back(this);
}

TStyTimerItem::~TStyTimerItem() {
  FEnabled = false;
  OnTimer = nullptr;
  auto it = std::find(FList->begin(), FList->end(), this);
  if (it != FList->end()) FList->erase(it);
}

void TStyTimerItem::SetEnabled(bool value) {
  if (FEnabled == value) return;
  if (value && FMaxCount == 0) return;
  FEnabled = value;
  FCounter = 0;
  // A pool that went quiet with no item to serve runs again.
  if (value && !FPool->GetActive()) FPool->UpdateTimer(true);
}

void TStyTimerItem::SetInterval(WORD value) {
  const int minInterval = FPool->GetMinInterval();
  if (value == FInterval) return;
  if (value == 0) value = static_cast<WORD>(minInterval);
  if (value % minInterval != 0) return;
  FDivider = value / minInterval;
  FInterval = value;
  FCounter = 0;
}

void TStyTimerItem::Fire() {
  FCounter = FCounter == std::numeric_limits<int>::max() ? 0 : FCounter + 1;
  if (FCounter == FMaxCount) FEnabled = false;
  if (OnTimer)
    OnTimer(FPool);
  else if (FPool->OnTimer)
    FPool->OnTimer(FPool, FIdent, FCounter);
}

TStyTimerPool::TStyTimerPool(TComponent* AOwner) : TStyComponent(AOwner) {}

TStyTimerPool::TStyTimerPool(TComponent* AOwner, TStyTimerInterval MinInterval) : TStyComponent(AOwner) {
  FMinInterval = MinInterval;
}

TStyTimerPool::~TStyTimerPool() {
  Clear();
  DestroyWindowHandle();
}

void TStyTimerPool::Publish(TPublisher<TStyTimerPool>& p) {
  p.Prop("About", &TStyTimerPool::GetAbout, &TStyTimerPool::SetAbout);
  p.Prop("MinInterval", &TStyTimerPool::GetMinInterval, &TStyTimerPool::SetMinInterval).Default(1000);
  p.Prop("OnTimer", &TStyTimerPool::OnTimer);
}

void TStyTimerPool::SetMinInterval(TStyTimerInterval value) {
  if (value == FMinInterval) return;
  const TComponentState state = GetComponentState();
  if (state.Contains(csLoading) || state.Contains(csDesigning)) FMinInterval = value;
}

int TStyTimerPool::AddItem(WORD Ident, WORD Interval, TNotifyEvent Callback) {
  if (IndexOf(Ident) >= 0) throw Exception("List index out of bounds (%d)", {static_cast<int>(Ident)});
  if (Interval < FMinInterval || Interval % FMinInterval != 0)
    throw Exception("Interval not compatible with MinInterval property!");
  auto* item = new TStyTimerItem(this, Ident, &FItems);
  item->FEnabled = true;
  item->SetInterval(Interval);
  item->OnTimer = std::move(Callback);
  UpdateTimer(true);
  return IndexOf(Ident);
}

void TStyTimerPool::RemoveItem(WORD Ident) {
  FSuspended = true;
  try {
    if (TStyTimerItem* item = ItemById(Ident)) {
      item->SetEnabled(false);
      item->OnTimer = nullptr;
      delete item;
    }
    if (FItems.empty()) UpdateTimer(false);
  } catch (...) {
    FSuspended = false;
    throw;
  }
  FSuspended = false;
}

void TStyTimerPool::Clear() {
  UpdateTimer(false);
  while (!FItems.empty()) delete FItems.back();
}

TStyTimerItem* TStyTimerPool::ItemById(WORD Ident) const {
  int index = IndexOf(Ident);
  return index < 0 ? nullptr : FItems[static_cast<size_t>(index)];
}

int TStyTimerPool::IndexOf(WORD Ident) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->FIdent == Ident) return static_cast<int>(i);
  return -1;
}

int TStyTimerPool::EnabledCount() const {
  return static_cast<int>(std::count_if(FItems.begin(), FItems.end(), [](auto* i) { return i->FEnabled; }));
}

void TStyTimerPool::UpdateTimer(bool Run) {
  if (GetComponentState().Contains(csDesigning)) return;
  if (!FWindow) {
    if (!RegisterPoolClass(&WindowProc)) throw EOutOfResources("Not enough timers available");
    FWindow = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
    if (!FWindow) throw EOutOfResources("Not enough timers available");
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  FActive = false;
  KillTimer(FWindow, kTimerId);
  if (Run && EnabledCount() > 0) {
    if (!SetTimer(FWindow, kTimerId, FMinInterval, nullptr)) throw EOutOfResources("Not enough timers available");
    FTickCounter = 1;
    FActive = true;
  }
}

void TStyTimerPool::DestroyWindowHandle() {
  if (!FWindow) return;
  KillTimer(FWindow, kTimerId);
  SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
  DestroyWindow(FWindow);
  FWindow = nullptr;
}

LRESULT CALLBACK TStyTimerPool::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* pool = reinterpret_cast<TStyTimerPool*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg != WM_TIMER || !pool) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (pool->FInTick) return 0;
  pool->FInTick = true;
  try {
    pool->Tick();
  } catch (...) {
    pool->FInTick = false;
    if (Application) Application->HandleException(pool);
    return 0;
  }
  pool->FInTick = false;
  return 0;
}

void TStyTimerPool::Tick() {
  if (FSuspended) return;
  // A callback may add or remove items, itself among them: each step takes
  // the first item this round has not visited in the list as it stands now,
  // so removing one never skips its neighbour and an added one still has
  // its turn.
  const std::uint64_t round = ++FRound;
  for (;;) {
    auto next = std::find_if(FItems.begin(), FItems.end(),
                             [round](const TStyTimerItem* item) { return item->FSeenInRound != round; });
    if (next == FItems.end()) break;
    TStyTimerItem* item = *next;
    item->FSeenInRound = round;
    if (item->FEnabled && FTickCounter % item->FDivider == 0) item->Fire();
  }
  FTickCounter = FTickCounter == std::numeric_limits<std::int32_t>::max() ? 0 : FTickCounter + 1;
  // With every item off the window timer would only wake the program for
  // nothing; the first item enabled again starts it anew.
  if (FActive && EnabledCount() == 0) UpdateTimer(false);
}
