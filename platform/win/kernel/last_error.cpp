#include "platform/win/winbase.h"

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

DWORD GetLastError() {
  return lastError;
}
void SetLastError(DWORD dwErrCode) {
  lastError = dwErrCode;
}
