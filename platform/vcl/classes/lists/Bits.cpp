#include "platform/vcl/classes/lists/Bits.h"

#include "platform/vcl/rtl/Exceptions.h"

namespace {
[[noreturn]] void BitsError() {
  throw EBitsError("Bits index out of range");
}
}  // namespace

bool TBits::GetBits(int index) const {
  if (index < 0 || index >= GetSize()) BitsError();
  return FBits[index];
}

void TBits::SetBits(int index, bool value) {
  if (index < 0) BitsError();
  if (index >= GetSize()) SetSize(index + 1);
  FBits[index] = value;
}

void TBits::SetSize(int value) {
  if (value < 0) BitsError();
  FBits.resize(static_cast<std::size_t>(value), false);
}

int TBits::OpenBit() const {
  for (int i = 0; i < GetSize(); ++i)
    if (!FBits[i]) return i;
  return GetSize();
}
