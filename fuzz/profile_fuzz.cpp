// Profile (INI) files: parsing, looking up every section and key, rewriting.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/win/kernel/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using win::kernel::IniDocument;
  IniDocument doc = IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const std::string& section : doc.Sections())
    for (const std::string& key : doc.Keys(section)) (void)doc.Get(section, key);
  std::string text = doc.Serialise();
  // Written text reads back as itself.
  if (IniDocument::Parse(text).Serialise() != text) std::abort();
  doc.Set("fuzz", "key", "value");
  doc.DeleteSection("fuzz");
  return 0;
}
