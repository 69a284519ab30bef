// MultiByteToWideChar and WideCharToMultiByte: UTF-8 and code points.
#include <cstring>
#include <string>

#include "platform/win/text/utf8.h"
#include "platform/win/windows.h"

namespace {

// Copies what was converted into the caller's buffer, or tells its size.
template <class Char>
int Deliver(const std::basic_string<Char>& converted, Char* out, int outSize) {
  const int needed = static_cast<int>(converted.size());
  if (outSize == 0) return needed;
  if (out == nullptr || outSize < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(converted.begin(), converted.end(), out);
  return needed;
}

}  // namespace

int MultiByteToWideChar(UINT, DWORD, LPCSTR lpMultiByteStr, int cbMultiByte, WCHAR* lpWideCharStr, int cchWideChar) {
  if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const bool terminated = cbMultiByte == -1;
  const std::string_view text(lpMultiByteStr,
                              terminated ? std::strlen(lpMultiByteStr) : static_cast<std::size_t>(cbMultiByte));
  std::wstring wide;
  for (std::size_t at = 0; at < text.size();) {
    const win::text::DecodedChar c = win::text::DecodeUtf8At(text, at);
    wide += static_cast<wchar_t>(c.codePoint);
    at += c.length;
  }
  if (terminated) wide += L'\0';
  return Deliver(wide, lpWideCharStr, cchWideChar);
}

int WideCharToMultiByte(UINT, DWORD, const WCHAR* lpWideCharStr, int cchWideChar, LPSTR lpMultiByteStr, int cbMultiByte,
                        LPCSTR, LPBOOL lpUsedDefaultChar) {
  if (lpUsedDefaultChar) *lpUsedDefaultChar = FALSE;
  if (lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const bool terminated = cchWideChar == -1;
  std::size_t length = 0;
  if (terminated) {
    while (lpWideCharStr[length]) ++length;
  } else {
    length = static_cast<std::size_t>(cchWideChar);
  }
  std::string text;
  for (std::size_t i = 0; i < length; ++i) win::text::AppendUtf8(text, static_cast<char32_t>(lpWideCharStr[i]));
  if (terminated) text += '\0';
  return Deliver(text, lpMultiByteStr, cbMultiByte);
}
