// The registry's keys and values and their text file. Text format, one key
// per block, every key listed (also empty ones), subkeys in name order:
//
//   [HKEY_CURRENT_USER\Software\Example]
//   "Name"=sz:"text with \" \\ \n escapes"
//   @=sz:"the default value"
//   "Count"=dword:0000002a
//   "Blob"=hex(3):01,ff,20
//
// Lines starting with ";" are comments. Strings are kept without their
// terminator; REG_SZ and REG_EXPAND_SZ read back with one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/windef.h"

namespace win::kernel {

// How many levels of keys a root may have below it, as in Windows. The file
// reader skips deeper keys, so that neither the reader nor the keys' own
// recursion can run out of stack on a crafted file.
inline constexpr std::size_t kMaxKeyDepth = 512;

struct RegValue {
  std::string name;  // empty: the key's default value
  DWORD type = 0;
  std::vector<BYTE> data;
};

struct RegKey {
  std::string name;
  std::vector<std::unique_ptr<RegKey>> subkeys;  // sorted ignoring case
  std::vector<RegValue> values;  // in the order made

  RegKey* Find(std::string_view child);
  RegKey& Add(std::string_view child);  // the existing one when there is one
  bool Remove(std::string_view child);
  RegValue* FindValue(std::string_view valueName);
};

class RegistryStore {
 public:
  static constexpr int kRootCount = 7;
  // HKEY_CLASSES_ROOT.. as 0..6; -1 for anything else.
  static int RootIndex(HKEY key);

  RegKey& Root(int root) { return roots_[root]; }
  // The key at `path` ("A\B\C") below the root, or null.
  RegKey* Walk(int root, std::string_view path);

  std::string Serialise() const;
  static RegistryStore Parse(std::string_view text);

 private:
  RegKey roots_[kRootCount];
};

// "a\\b\\" -> {"a", "b"}; empty parts dropped.
std::vector<std::string> SplitKeyPath(std::string_view path);

}  // namespace win::kernel
