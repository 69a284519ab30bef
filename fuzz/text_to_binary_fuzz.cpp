// Text forms to binary. What converts must come back from binary as text
// that converts to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/vcl/Classes.h"

namespace {

std::string Bytes(TMemoryStream& s) {
  return std::string(static_cast<const char*>(s.GetMemory()), static_cast<std::size_t>(s.GetSize()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TStringStream text(std::string(reinterpret_cast<const char*>(data), size));
  TMemoryStream binary;
  try {
    ObjectTextToBinary(&text, &binary);
  } catch (const Exception&) {
    return 0;
  }
  binary.SetPosition(0);
  TStringStream back("");
  ObjectBinaryToText(&binary, &back);
  back.SetPosition(0);
  TMemoryStream again;
  ObjectTextToBinary(&back, &again);
  if (Bytes(again) != Bytes(binary)) std::abort();
  return 0;
}
