#include "controls/styled/stybtn/ButtonTimer.h"

#include <algorithm>

#include "controls/styled/stycompo.h"

namespace {
WORD PoolInterval(WORD Interval) {
  const int period = StyApplication ? std::max<int>(1, StyApplication->GetTimerPool()->GetMinInterval()) : 1;
  const int rounded = (std::max<int>(Interval, 1) + period - 1) / period * period;
  return static_cast<WORD>(std::min(rounded, 65535 / period * period));
}
}  // namespace

void TStyButtonTimer::Start(WORD Interval, TNotifyEvent Callback) {
  if (FIdent != 0) return;
  FIdent = StyAddTimer(PoolInterval(Interval), std::move(Callback));
}

void TStyButtonTimer::Stop() {
  if (FIdent == 0) return;
  const WORD ident = FIdent;
  FIdent = 0;
  if (!StyApplication) return;
  if (TStyTimerItem* item = StyApplication->TimerItemById(ident)) {
    item->SetEnabled(false);
    item->OnTimer = nullptr;
  }
  StyApplication->RemoveTimer(ident);
}

void TStyButtonTimer::SetInterval(WORD Interval) {
  if (FIdent == 0 || !StyApplication) return;
  if (TStyTimerItem* item = StyApplication->TimerItemById(FIdent)) item->SetInterval(PoolInterval(Interval));
}
