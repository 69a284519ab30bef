// The WAV reader (TWave over TWaveStream). A wave that reads saves to an
// image that reads back to the same format and sound and saves to the same
// bytes; one without a format or without sound saves nothing. A failed read
// leaves no sound bytes behind (the wave is cleared, or holds a format only).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "sound/WaveSample.h"

namespace {

std::string ImageOf(TWave& wave) {
  TMemoryStream image;
  wave.SaveToStream(&image);
  return std::string(static_cast<const char*>(image.GetMemory()), static_cast<std::size_t>(image.GetSize()));
}

bool SameBytes(const void* a, const void* b, int size) {
  return size == 0 || std::memcmp(a, b, static_cast<std::size_t>(size)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream in;
  in.WriteBuffer(data, static_cast<int>(size));
  in.SetPosition(0);
  TWave wave;
  try {
    wave.LoadFromStream(&in);
  } catch (const Exception&) {
    if (wave.GetSize() != 0) std::abort();
    return 0;
  }
  const std::string image = ImageOf(wave);
  if (wave.GetFormatSize() == 0 || wave.GetSize() == 0) {
    if (!image.empty()) std::abort();
    return 0;
  }
  TMemoryStream saved;
  saved.WriteBuffer(image.data(), static_cast<int>(image.size()));
  saved.SetPosition(0);
  TWave back;
  back.LoadFromStream(&saved);
  if (back.GetFormatSize() != wave.GetFormatSize() || back.GetSize() != wave.GetSize()) std::abort();
  if (!SameBytes(back.GetFormat(), wave.GetFormat(), wave.GetFormatSize())) std::abort();
  if (!SameBytes(back.GetData(), wave.GetData(), wave.GetSize())) std::abort();
  if (ImageOf(back) != image) std::abort();
  return 0;
}
