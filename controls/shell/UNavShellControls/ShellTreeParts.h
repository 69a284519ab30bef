// What the shell tree's files share: the hold on a re-entrancy counter and
// the menu messages that go on to the shell's context menu.
#pragma once

#include "platform/win/windows.h"

namespace navshelltree {

// Holds a counter above its value for the life of a scope.
class TNesting {
 public:
  explicit TNesting(int& counter) : FCounter(counter) { ++FCounter; }
  ~TNesting() { --FCounter; }
  TNesting(const TNesting&) = delete;
  TNesting& operator=(const TNesting&) = delete;

 private:
  int& FCounter;
};

}  // namespace navshelltree
