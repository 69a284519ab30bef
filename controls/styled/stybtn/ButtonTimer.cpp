#include "controls/styled/stybtn/ButtonTimer.h"

#include "controls/styled/stycompo.h"

void TStyButtonTimer::Start(WORD Interval, TNotifyEvent Callback) {
  if (FIdent != 0) return;
  FIdent = StyAddTimer(StyPoolInterval(Interval), std::move(Callback));
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
  if (TStyTimerItem* item = StyApplication->TimerItemById(FIdent)) item->SetInterval(StyPoolInterval(Interval));
}
