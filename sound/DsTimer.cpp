#include "sound/DsTimer.h"

#include <algorithm>

#include "platform/win/drums_ext.h"
#include "platform/win/mmsystem.h"

namespace {

constexpr UINT kAppActivate = 0xB000;
constexpr UINT kAppDeactivate = 0xB001;

}  // namespace

TCustomDsTimer::TCustomDsTimer(TComponent* AOwner) : TComponent(AOwner) {
  FActiveOnly = true;
  FEnabled = true;
  SetInterval(1000);
  if (Application) Application->HookMainWindow(this, [this](TMessage& m) { return AppProc(m); });
}

TCustomDsTimer::~TCustomDsTimer() {
  Stop();
  if (Application) Application->UnhookMainWindow(this);
}

void TCustomDsTimer::SetActiveOnly(bool value) {
  if (value == FActiveOnly) return;
  FActiveOnly = value;
  if (FActiveOnly && ApplicationInactive() && FStarted) Suspend();
}

void TCustomDsTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  if (GetComponentState().Contains(csLoading) || GetComponentState().Contains(csReading)) return;
  if (FEnabled)
    Start();
  else
    Stop();
}

void TCustomDsTimer::SetInterval(std::int64_t value) {
  const std::uint32_t interval = static_cast<std::uint32_t>(std::max<std::int64_t>(value, 0));
  if (value >= 0 && interval == FInterval) return;
  if (value < 0 && FInterval == 0) return;
  FInterval = interval;
  FIntervalDivisor = std::max<std::uint32_t>(interval, 1);
}

void TCustomDsTimer::DoActivate() {
  if (OnActivate) OnActivate(this);
}

void TCustomDsTimer::DoDeactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomDsTimer::DoTimer(int LagCount) {
  if (OnTimer) OnTimer(this, LagCount);
}

void TCustomDsTimer::Loaded() {
  TComponent::Loaded();
  if (!GetComponentState().Contains(csDesigning) && FEnabled) Start();
}

bool TCustomDsTimer::ApplicationInactive() const {
  return Application && !Application->GetActive();
}

void TCustomDsTimer::Start() {
  Stop();
  if (!(FActiveOnly && ApplicationInactive())) Resume();
  FStarted = true;
}

void TCustomDsTimer::Stop() {
  if (!FStarted) return;
  Suspend();
  FStarted = false;
}

// The clock's idle handler is one of the application's several: the
// program's OnIdle, other clocks and components keep theirs.
void TCustomDsTimer::Resume() {
  FLastTickTime = FRateSampleTime = timeGetTime();
  if (Application) Application->AddIdleHandler(this, [this](TObject* Sender, bool& Done) { AppIdle(Sender, Done); });
}

void TCustomDsTimer::Suspend() {
  if (Application) Application->RemoveIdleHandler(this);
}

void TCustomDsTimer::AppIdle(TObject*, bool& Done) {
  // Never done: the application comes back at once, or at the latest when
  // the next tick is due (the wait may sleep until then).
  Done = false;
  const std::uint64_t nowMicros = win::clock::NowMicros();
  const std::uint32_t now = timeGetTime();
  const std::uint32_t elapsed = now - FLastTickTime;
  if (elapsed < FInterval) {
    Application->WakeNoLaterThan((nowMicros / 1000 + (FInterval - elapsed)) * 1000);
    return;
  }
  FLastTickTime = now;
  const std::uint32_t lag = std::max<std::uint32_t>(elapsed / FIntervalDivisor, 1);
  ++FTickCount;
  const std::uint32_t d = std::max<std::uint32_t>(now - FRateSampleTime, 1);
  if (d >= 1000) {
    FTicksPerSecond = static_cast<int>(Round(static_cast<double>(FTickCount) * 1000.0 / d));
    FTickCount = 0;
    FRateSampleTime = now;
  }
  if (FInterval > 0) Application->WakeNoLaterThan((nowMicros / 1000 + FInterval) * 1000);
  // The handler may free this clock: nothing of it is touched afterwards.
  DoTimer(static_cast<int>(lag));
}

bool TCustomDsTimer::AppProc(TMessage& Message) {
  switch (Message.Msg) {
    case kAppActivate:
      DoActivate();
      if (FStarted && FActiveOnly) Resume();
      break;
    case kAppDeactivate:
      DoDeactivate();
      if (FStarted && FActiveOnly) Suspend();
      break;
  }
  return false;
}
