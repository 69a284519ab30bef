#include "platform/win/mmsystem.h"
#include "platform/win/winbase.h"

BOOL sndPlaySoundA(LPCSTR lpszSound, UINT) {
  if (!lpszSound) return TRUE;  // nothing ever plays, so stopping always succeeds
  SetLastError(ERROR_NOT_SUPPORTED);
  return FALSE;
}
