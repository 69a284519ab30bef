// The screen's hourglass cursor for the life of a scope, the previous
// cursor back afterwards (also when the scope is left by an exception).
#pragma once

#include "platform/vcl/Forms.h"

class TNavHourglass {
 public:
  TNavHourglass() : FSaved(Screen->GetCursor()) { Screen->SetCursor(crHourGlass); }
  ~TNavHourglass() { Screen->SetCursor(FSaved); }
  TNavHourglass(const TNavHourglass&) = delete;
  TNavHourglass& operator=(const TNavHourglass&) = delete;

 private:
  TCursor FSaved;
};
