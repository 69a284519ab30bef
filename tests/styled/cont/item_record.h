// The record a container item writes of itself, as bytes.
#pragma once

#include "controls/styled/stycont.h"
#include "support/ByteStrings.h"

namespace stycont_test {

inline testsupport::ByteVector ItemRecord(TStyListItem& item) {
  TMemoryStream s;
  item.WriteData(&s);
  return testsupport::StreamBytes(s);
}

}  // namespace stycont_test
