// Icon and cursor files (TIcon) and single icon images (CreateIconFromResourceEx).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/vcl/Graphics.h"
#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/win/winuser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream stream;
  if (size) stream.WriteBuffer(data, static_cast<int>(size));
  stream.SetPosition(0);
  TIcon icon;
  try {
    icon.LoadFromStream(&stream);
  } catch (const Exception&) {}
  std::vector<BYTE> bits(data, data + size);
  for (BOOL isIcon : {TRUE, FALSE}) {
    HICON made = CreateIconFromResourceEx(bits.data(), static_cast<DWORD>(bits.size()), isIcon, 0x00030000, 0, 0, 0);
    if (made) DestroyIcon(made);
  }
  return 0;
}
