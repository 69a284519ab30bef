// The names of the main window's families of components, both ways: the
// number a family's shared handler reads from its sender's name ("M03_12" is
// track 3, step 12; "TrkBtn_05" track 5; "btnPat12" pattern 12), the
// two-figure numbers names are made with, and the kit menu's items.
#pragma once

#include <array>
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

// n in two figures, as the families' names write it ("05").
inline std::string TwoFigures(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// The "Drum Kits" menu's item of each built-in kit, by KitId.
inline constexpr std::array<const char*, 13> KitItemNames = {
    "mnuAnalog", "mnuBreakbeat",  "mnuBrush", "mnuCasiaha",   "mnuDisco",   "mnuEnsonik", "mnuGalaxy",
    "mnuHR16",   "mnuIndustrial", "mnuLofi",  "mnuSoftSynth", "mnuYahmeha", "mnuEmpty"};
