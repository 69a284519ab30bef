#include "platform/vcl/classes/strings/Utf.h"

namespace vcl::streaming {

void AppendUtf8(std::string& out, unsigned cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
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
