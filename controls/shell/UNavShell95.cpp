#include "controls/shell/UNavShell95.h"

#include <cstdio>

namespace {

int g_comStarts = 0;

}  // namespace

HRESULT OleCheck(HRESULT result) {
  if (FAILED(result)) {
    char text[64];
    std::snprintf(text, sizeof text, "OLE error %08X", static_cast<unsigned>(result));
    throw EOleSysError(text, result);
  }
  return result;
}

void InitNavShell95() {
  if (g_comStarts++ == 0) CoInitialize(nullptr);
}

void DoneNavShell95() {
  if (g_comStarts == 0) return;
  if (--g_comStarts == 0) CoUninitialize();
}
