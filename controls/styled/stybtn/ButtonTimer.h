// One timer of a button in the application object's shared pool: started
// when it does not run yet, stopped by disabling it, dropping its callback
// and giving its identifier back.
#pragma once

#include "controls/styled/styclass/TimerPool.h"

class TStyButtonTimer {
 public:
  TStyButtonTimer() = default;
  TStyButtonTimer(const TStyButtonTimer&) = delete;
  TStyButtonTimer& operator=(const TStyButtonTimer&) = delete;
  ~TStyButtonTimer() { Stop(); }

  // Does nothing while running. The interval is rounded up to a multiple of
  // the pool's period, so an odd delay never turns a press into an error. No
  // free identifier raises EOutOfResources "Not enough timers available".
  void Start(WORD Interval, TNotifyEvent Callback);
  void Stop();
  // The running timer's next and following intervals.
  void SetInterval(WORD Interval);
  bool Running() const { return FIdent != 0; }
  WORD GetIdent() const { return FIdent; }

 private:
  WORD FIdent = 0;
};
