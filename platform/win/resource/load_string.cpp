// String tables. Strings are stored in blocks of 16 as on Windows: string id
// lives in the RT_STRING resource numbered id / 16 + 1, at place id % 16. A
// block here holds 16 entries, each a 16-bit little-endian byte count and as
// many UTF-8 bytes (Windows keeps UTF-16; nothing reads the blocks raw).
#include "platform/win/winbase.h"
#include "platform/win/winerror.h"
#include "platform/win/winres.h"
#include "platform/win/resource/store.h"

namespace {

// Cuts at most `limit` bytes without splitting a UTF-8 sequence.
DWORD Utf8Cut(const BYTE* text, DWORD length, DWORD limit) {
  if (length <= limit) return length;
  DWORD cut = limit;
  while (cut > 0 && (text[cut] & 0xC0) == 0x80) --cut;
  return cut;
}

}  // namespace

int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
  if (!lpBuffer || cchBufferMax <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  lpBuffer[0] = '\0';
  DWORD error = 0;
  const auto* block = win::resource::Lookup(hInstance, RT_STRING, MAKEINTRESOURCEA((uID >> 4) + 1), error);
  if (!block) {
    SetLastError(error);
    return 0;
  }
  const BYTE* at = block->data;
  const BYTE* end = block->data + block->size;
  for (UINT i = 0;; ++i) {
    if (end - at < 2) {  // a short block: the rest are missing
      SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
      return 0;
    }
    DWORD length = at[0] | (DWORD{at[1]} << 8);
    at += 2;
    if (length > static_cast<DWORD>(end - at)) length = static_cast<DWORD>(end - at);
    if (i == (uID & 15)) {
      if (length == 0) {  // an empty place is a missing string, as on Windows
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
      }
      const DWORD copied = Utf8Cut(at, length, static_cast<DWORD>(cchBufferMax - 1));
      for (DWORD k = 0; k < copied; ++k) lpBuffer[k] = static_cast<char>(at[k]);
      lpBuffer[copied] = '\0';
      return static_cast<int>(copied);
    }
    at += length;
  }
}
