#include "platform/win/shell/wide_text.h"

#include "platform/win/text/utf8.h"

namespace win::shell {

std::string Utf8FromWide(LPCWSTR text) {
  std::string out;
  if (!text) return out;
  for (; *text; ++text) win::text::AppendUtf8(out, static_cast<char32_t>(*text));
  return out;
}

LPWSTR WideFromUtf8(const std::string& text) {
  std::wstring wide;
  for (std::size_t at = 0; at < text.size();) {
    const win::text::DecodedChar c = win::text::DecodeUtf8At(text, at);
    wide += static_cast<wchar_t>(c.codePoint);
    at += c.length;
  }
  auto* out = static_cast<LPWSTR>(CoTaskMemAlloc((wide.size() + 1) * sizeof(WCHAR)));
  if (!out) return nullptr;
  std::copy(wide.begin(), wide.end(), out);
  out[wide.size()] = 0;
  return out;
}

}  // namespace win::shell
