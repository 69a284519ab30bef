// Bytes for the tests of file formats: literal bytes, little-endian numbers,
// and what a memory stream holds or is given.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"

namespace testsupport {

using ByteVector = std::vector<std::uint8_t>;

inline std::string ByteString(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

inline std::string Le32(std::uint32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
  return s;
}

// Everything the stream holds, whatever its position.
inline std::string StreamText(TMemoryStream& s) {
  return std::string(static_cast<const char*>(s.GetMemory()), static_cast<size_t>(s.GetSize()));
}
inline ByteVector StreamBytes(TMemoryStream& s) {
  const auto* p = static_cast<const std::uint8_t*>(s.GetMemory());
  return ByteVector(p, p + s.GetSize());
}

// The stream holds exactly these bytes, read from the start.
inline void PutBytes(TMemoryStream& s, const ByteVector& bytes) {
  s.Clear();
  s.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  s.SetPosition(0);
}

}  // namespace testsupport
