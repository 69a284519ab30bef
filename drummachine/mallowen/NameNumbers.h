// The number a family's shared handler reads from its sender's name:
// "M03_12" is track 3, step 12; "TrkBtn_05" track 5; "btnPat12" pattern 12.
#pragma once

#include <string>

#include "platform/vcl/Classes.h"

// The decimal number in name from position first (0-based) for count
// characters (to the end when count is npos); 0 when there is none.
inline int NameNumber(TObject* sender, std::size_t first, std::size_t count = std::string::npos) {
  auto* component = dynamic_cast<TComponent*>(sender);
  if (component == nullptr) return 0;
  const std::string& name = component->GetName();
  if (first >= name.size()) return 0;
  const std::string digits = name.substr(first, count);
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}
