// The modules and their records, shared by the resource functions.
#pragma once

#include <string>
#include <vector>

#include "platform/win/resource/resources.h"

namespace win::resource {

// A type or name as the functions take it: a number, "#number", or a string
// (kept upper-case, since names compare without case).
struct Key {
  bool isId = false;
  WORD id = 0;
  std::string text;
  static Key From(LPCSTR typeOrName);
  static Key Of(WORD id, const char* text);
  bool operator==(const Key& other) const { return isId == other.isId && (isId ? id == other.id : text == other.text); }
};

// Finds a record; on failure `error` is the error code for SetLastError:
// no resources in the module, no resource of the type, or none of the name.
const Record* Lookup(HINSTANCE module, LPCSTR type, LPCSTR name, DWORD& error);
// All records of a type: numbered ones by number, then named ones by name.
std::vector<const Record*> RecordsOfType(HINSTANCE module, LPCSTR type, DWORD& error);

}  // namespace win::resource
