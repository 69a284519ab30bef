// JPEG files through TJPEGImage: the header on loading, the pixels on drawing.
#include <cstddef>
#include <cstdint>

#include "platform/vcl/Jpeg.h"
#include "platform/vcl/classes/streams/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream stream;
  if (size) stream.WriteBuffer(data, static_cast<int>(size));
  stream.SetPosition(0);
  TJPEGImage image;
  try {
    image.LoadFromStream(&stream);
    image.DIBNeeded();
  } catch (const EJPEG&) {}
  return 0;
}
