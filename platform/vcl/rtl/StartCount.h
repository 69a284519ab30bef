// How often a library has been started: the first start makes its objects,
// the matching last shutdown frees them. Starting again only counts, and a
// shutdown that has no start to match does nothing, so a program, a test
// fixture and a library standing on another can each start what they need
// without knowing who started it before. Start-up runs on the user-interface
// thread only.
#pragma once

class TStartCount {
 public:
  // Runs `first` on the first start; an exception from it leaves the count
  // at zero, so the next start tries again.
  template <class First>
  void Start(First&& first) {
    if (FCount == 0) first();
    ++FCount;
  }
  // Runs `last` when the last start is matched; nothing without a start.
  template <class Last>
  void Done(Last&& last) {
    if (FCount == 0) return;
    if (--FCount == 0) last();
  }
  int Count() const { return FCount; }

 private:
  int FCount = 0;
};
