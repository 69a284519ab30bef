#include "platform/win/shell/wide_text.h"

#include "platform/win/text/utf8.h"

namespace win::shell {

std::string Utf8FromWide(LPCWSTR text) {
  std::string out;
  if (!text) return out;
  for (; *text; ++text) {
    char32_t c = static_cast<char32_t>(*text);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
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
