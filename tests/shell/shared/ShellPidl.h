// An absolute item-ID list from the shell allocator, freed with its owner.
#pragma once

#include "controls/shell/UNavShellUtils/IdLists.h"

struct TShellPidl {
  TShellPidl() = default;
  explicit TShellPidl(LPITEMIDLIST list) : p(list) {}
  TShellPidl(const TShellPidl&) = delete;
  TShellPidl& operator=(const TShellPidl&) = delete;
  TShellPidl(TShellPidl&& other) noexcept : p(other.p) { other.p = nullptr; }
  ~TShellPidl() { ShellFree(p); }
  LPITEMIDLIST p = nullptr;
};
