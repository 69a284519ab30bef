#include "platform/vcl/rtl/ShortString.h"

namespace vcl::rtl {

std::size_t Utf8Prefix(const std::string& s, std::size_t limit) {
  if (s.size() <= limit) return s.size();
  // The cut falls before s[n]; while s[n] continues a sequence, move the cut
  // back to that sequence's lead byte so the sequence is dropped whole.
  std::size_t n = limit;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return n;
}

}  // namespace vcl::rtl
