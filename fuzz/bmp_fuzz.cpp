// BMP files and packed DIBs, as LoadImageA and TBitmap read them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/vcl/Graphics.h"
#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/win/drums_ext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  win::gdi::DibImage image;
  if (win::gdi::ReadBmp(data, size, &image)) {
    HBITMAP bitmap = win::gdi::CreateBitmapFromDib(image);
    if (bitmap) DeleteObject(bitmap);
  }
  win::gdi::ReadPackedDib(data, size, &image);
  TMemoryStream stream;
  if (size) stream.WriteBuffer(data, static_cast<int>(size));
  stream.SetPosition(0);
  TBitmap bmp;
  try {
    bmp.LoadFromStream(&stream);
  } catch (const Exception&) {}
  return 0;
}
