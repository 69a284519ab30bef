// The wave collection file. Whatever a bank holds after reading (all of it,
// or the items read before an error, which stay as the class library's
// reader leaves them) saves and reads back to the same items, each wave as
// the same image, and saves again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "sound/WaveCollection.h"

namespace {

std::string BytesOf(TMemoryStream& s) {
  return std::string(static_cast<const char*>(s.GetMemory()), static_cast<std::size_t>(s.GetSize()));
}

std::string ImageOf(TWave* wave) {
  TMemoryStream image;
  wave->SaveToStream(&image);
  return BytesOf(image);
}

bool SameItem(TWaveCollectionItem* a, TWaveCollectionItem* b) {
  return a->GetName() == b->GetName() && a->GetLooped() == b->GetLooped() &&
         a->GetMaxPlayingCount() == b->GetMaxPlayingCount() && ImageOf(a->GetWave()) == ImageOf(b->GetWave());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream in;
  in.WriteBuffer(data, static_cast<int>(size));
  in.SetPosition(0);
  TWaveCollection bank(nullptr);
  try {
    bank.LoadFromStream(&in);
  } catch (const Exception&) {
    // What was read before the error is checked as a whole bank is.
  }
  TMemoryStream saved;
  bank.SaveToStream(&saved);
  const std::string image = BytesOf(saved);
  saved.SetPosition(0);
  TWaveCollection back(nullptr);
  back.LoadFromStream(&saved);
  if (back.GetCount() != bank.GetCount()) std::abort();
  for (int i = 0; i < bank.GetCount(); ++i)
    if (!SameItem(bank.GetItems(i), back.GetItems(i))) std::abort();
  TMemoryStream again;
  back.SaveToStream(&again);
  if (BytesOf(again) != image) std::abort();
  return 0;
}
