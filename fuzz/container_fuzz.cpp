// The container reader: a list of the type the first byte chooses reads the
// rest as its item count, offsets and records. What reads must save and read
// back to as many items.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"

namespace {

TStyCustomContainer* MakeList(std::uint8_t type) {
  switch (type % 4) {
    case 0: return new TStyImageList(nullptr);
    case 1: return new TStyBitmapList(nullptr);
    case 2: return new TStyWaveList(nullptr);
    default: return new TStyStringList(nullptr);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  TMemoryStream stream;
  stream.WriteBuffer(data + 1, static_cast<int>(size - 1));
  stream.SetPosition(0);
  std::unique_ptr<TStyCustomContainer> list(MakeList(data[0]));
  try {
    list->LoadFromStream(&stream, true);
  } catch (const Exception&) {
    return 0;
  }
  TMemoryStream saved;
  list->SaveToStream(&saved, true);
  saved.SetPosition(0);
  std::unique_ptr<TStyCustomContainer> again(MakeList(data[0]));
  again->LoadFromStream(&saved, true);
  if (again->GetCount() != list->GetCount()) std::abort();
  return 0;
}
