// Binary form streams read into components (TReader).
#include <cstddef>
#include <cstdint>

#include "fuzz/seeds.h"
#include "platform/vcl/Classes.h"
#include "tests/vcl/streaming/SampleComponents.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  drums_fuzz::RegisterFuzzClasses();
  TMemoryStream stream;
  if (size) stream.WriteBuffer(data, static_cast<int>(size));
  stream.SetPosition(0);
  try {
    sample::TSampleRoot root(nullptr);
    ReadComponent(&stream, &root);
  } catch (const Exception&) {}
  sample::Log().clear();
  return 0;
}
