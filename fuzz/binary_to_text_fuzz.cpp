// Binary forms to text. What converts must read back to a stream that gives
// the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/vcl/Classes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream binary;
  if (size) binary.WriteBuffer(data, static_cast<int>(size));
  binary.SetPosition(0);
  TStringStream text("");
  try {
    ObjectBinaryToText(&binary, &text);
  } catch (const Exception&) {
    return 0;
  }
  text.SetPosition(0);
  TMemoryStream again;
  ObjectTextToBinary(&text, &again);
  again.SetPosition(0);
  TStringStream textAgain("");
  ObjectBinaryToText(&again, &textAgain);
  if (textAgain.GetDataString() != text.GetDataString()) std::abort();
  return 0;
}
