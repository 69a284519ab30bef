// The registry's file: what is read is written out, and that text reads back
// as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/win/kernel/registry_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using win::kernel::RegistryStore;
  RegistryStore store = RegistryStore::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string text = store.Serialise();
  if (RegistryStore::Parse(text).Serialise() != text) std::abort();
  return 0;
}
