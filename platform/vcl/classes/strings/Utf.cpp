#include "platform/vcl/classes/strings/Utf.h"

#include "platform/win/windows.h"

namespace vcl::streaming {

void AppendUtf8(std::string& out, unsigned cp) {
  // The platform turns a code point into UTF-8 (a non-character into U+FFFD).
  const WCHAR wide = static_cast<WCHAR>(cp);
  char bytes[4];
  const int length = WideCharToMultiByte(CP_UTF8, 0, &wide, 1, bytes, sizeof bytes, nullptr, nullptr);
  out.append(bytes, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string Utf16LeToUtf8(const std::string& bytes) {
  std::string out;
  std::size_t n = bytes.size() / 2;
  auto unit = [&](std::size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(bytes[2 * i])) |
           (static_cast<unsigned>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8);
  };
  for (std::size_t i = 0; i < n; ++i) {
    unsigned u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < n && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

}  // namespace vcl::streaming
